// SPDX-License-Identifier: GPL-3.0-or-later
// The program's dialogs, registered with the main window's commands.
#include "app/windows/dialog_hooks.h"

#include "app/handoff/desktop_handoff.h"
#include "app/handoff/start_orvexa.h"
#include "app/windows/data_input1.h"
#include "app/windows/data_input2.h"
#include "app/windows/data_input3.h"
#include "app/windows/dialog_host.h"
#include "app/windows/face_copy_window.h"
#include "app/windows/feed_calculation.h"
#include "app/windows/frm_about.h"
#include "app/windows/machine_limits_dialog.h"

namespace spirolan {

DialogHooks DefaultDialogHooks() {
    DialogHooks hooks;
    // The shape, Face Copy and feed dialogs have no owner window; they are application-modal and
    // open centred over the main window.
    hooks.DataInput1 = [](const DialogContext& c) { OpenDataInput1(c.job, c.host, &c.window); };
    hooks.DataInput2 = [](const DialogContext& c) { OpenDataInput2(c.job, c.host, &c.window); };
    hooks.DataInput3 = [](const DialogContext& c) { OpenDataInput3(c.job, c.host, &c.window); };
    hooks.FaceCopy = [](const DialogContext& c) { OpenFaceCopy(c.job, c.host, &c.window); };
    hooks.FeedCalculation = [](const DialogContext& c) { OpenFeedCalculation(c.host, &c.window); };
    // The About box is owned by the main window; its OK redraws the graphs.
    hooks.frmAbout = [](const DialogContext& c) {
        frmAbout box(&c.window, [&c] { c.host.ReGraphic_Click(); });
        box.exec();
    };
    hooks.StartOrvexa = [](const DialogContext& c) {
        DesktopHandoffPlatform platform(
            &c.window, {.ShowBusy = [&c](bool busy) { c.host.ShowHandoffBusy(busy); }});
        StartOrvexa(c.job, platform);
    };
    hooks.MachineLimits = [](const DialogContext& c) {
        OpenMachineLimits(c.job, c.host, &c.window);
    };
    return hooks;
}

} // namespace spirolan
