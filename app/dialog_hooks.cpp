// The program's dialogs, registered with the main window's commands.
#include "dialog_hooks.h"

#include "data_input1.h"
#include "data_input2.h"
#include "data_input3.h"
#include "face_copy_window.h"
#include "feed_calculation.h"
#include "frm_main.h"

namespace spirolan {

DialogHooks DefaultDialogHooks() {
    DialogHooks hooks;
    // The shape, Face Copy and feed dialogs have no owner window; they are application-modal.
    hooks.DataInput1 = [](frmMain& window) { OpenDataInput1(window.Job(), window); };
    hooks.DataInput2 = [](frmMain& window) { OpenDataInput2(window.Job(), window); };
    hooks.DataInput3 = [](frmMain& window) { OpenDataInput3(window.Job(), window); };
    hooks.FaceCopy = [](frmMain& window) { OpenFaceCopy(window.Job(), window); };
    hooks.FeedCalculation = [](frmMain& window) { OpenFeedCalculation(window); };
    return hooks;
}

} // namespace spirolan
