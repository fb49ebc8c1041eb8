// SPDX-License-Identifier: GPL-3.0-or-later
// Where the dialog windows plug into the main window's commands.
#pragma once

#include <functional>

class QWidget;

namespace spirolan {

struct CamJob;
class DialogHost;

/// What a dialog gets of the main window: the job, the panes and graphs it hands its results
/// to, and the window to centre over or own it.
struct DialogContext {
    CamJob& job;
    DialogHost& host;
    QWidget& window;
};

using DialogOpener = std::function<void(const DialogContext&)>;

/// One opener per command whose window lives outside the main window. Each runs on the user
/// interface thread once the command's own preconditions have passed and shows its dialog
/// application-modal: the main window takes no input until the dialog closes, while the event
/// loop keeps running. An empty opener leaves its command at its preconditions.
struct DialogHooks {
    DialogOpener DataInput1;      // "Shape 1", toolbar "Square"
    DialogOpener DataInput2;      // "Shape 2", toolbar "Ball"
    DialogOpener DataInput3;      // "Shape 3", toolbar "Shape3"
    DialogOpener FaceCopy;        // only once Mode-A data exist (LeadPitch > 0)
    DialogOpener FeedCalculation; // "Feed calculation"
    DialogOpener frmAbout;        // "About Spirolan(&A)"
    DialogOpener StartOrvexa;     // "Orvexa", toolbar "ORVL"
    DialogOpener MachineLimits;   // "Machine limits(&M)..."
};

/// The openers of the program's own dialogs.
DialogHooks DefaultDialogHooks();

} // namespace spirolan
