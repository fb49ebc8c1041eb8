// The program's dialogs, registered with the main window's commands.
#include "dialog_hooks.h"

#include "data_input1.h"
#include "data_input2.h"
#include "data_input3.h"
#include "desktop_handoff.h"
#include "face_copy_window.h"
#include "feed_calculation.h"
#include "frm_about.h"
#include "frm_main.h"
#include "start_orvexa.h"

namespace spirolan {

DialogHooks DefaultDialogHooks() {
    DialogHooks hooks;
    // The shape, Face Copy and feed dialogs have no owner window; they are application-modal.
    hooks.DataInput1 = [](frmMain& window) { OpenDataInput1(window.Job(), window); };
    hooks.DataInput2 = [](frmMain& window) { OpenDataInput2(window.Job(), window); };
    hooks.DataInput3 = [](frmMain& window) { OpenDataInput3(window.Job(), window); };
    hooks.FaceCopy = [](frmMain& window) { OpenFaceCopy(window.Job(), window); };
    hooks.FeedCalculation = [](frmMain& window) { OpenFeedCalculation(window); };
    // The About box is owned by the main window; its OK redraws the graphs.
    hooks.frmAbout = [](frmMain& window) {
        frmAbout box(&window, [&window] { window.ReGraphic_Click(); });
        box.exec();
    };
    hooks.StartOrvexa = [](frmMain& window) {
        DesktopHandoffPlatform platform(&window);
        StartOrvexa(window.Job(), platform);
    };
    return hooks;
}

} // namespace spirolan
