// Where the dialog windows plug into the main window's commands.
#pragma once

#include <functional>

namespace spirolan {

class frmMain;

/// One opener per command whose window lives outside the main window. Each runs on the user
/// interface thread once the command's own preconditions have passed, gets the main window (its
/// job, panes, graphs and redraw) and shows its dialog application-modal: the main window takes
/// no input until the dialog closes, while the event loop keeps running. An empty opener leaves
/// its command at its preconditions.
struct DialogHooks {
    std::function<void(frmMain&)> DataInput1;      // "Shape 1", toolbar "Square"
    std::function<void(frmMain&)> DataInput2;      // "Shape 2", toolbar "Ball"
    std::function<void(frmMain&)> DataInput3;      // "Shape 3", toolbar "Shape3"
    std::function<void(frmMain&)> FaceCopy;        // only once Mode-A data exist (LeadPitch > 0)
    std::function<void(frmMain&)> FeedCalculation; // "Feed calculation"
    std::function<void(frmMain&)> frmAbout;        // "About Spirolan(&A)"
    std::function<void(frmMain&)> StartOrvexa;     // "Orvexa", toolbar "ORVL"
};

/// The openers of the program's own dialogs.
DialogHooks DefaultDialogHooks();

} // namespace spirolan
