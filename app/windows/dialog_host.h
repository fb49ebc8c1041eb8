// SPDX-License-Identifier: GPL-3.0-or-later
// DialogHost: what the dialogs need of the main window, so that they never reach into it.
#pragma once

#include "io/job_file.h"

#include <string>

namespace spirolan {

/// The main window as the dialogs see it: its two text panes, its Mode-B surface and its graph
/// procedures. The main window implements it; tests substitute a recording one.
class DialogHost {
public:
    virtual ~DialogHost() = default;

    /// Replaces the text of the Mode-A pane (`txtDataA`).
    virtual void SetModeAText(std::string text) = 0;
    /// Replaces the text of the Mode-B pane (`txtDataB`); the empty text empties it.
    virtual void SetModeBText(std::string text) = 0;
    /// Shows the Mode-B surface inactive: the button-face background, which erases its graph;
    /// with `normalPointer` also the normal pointer instead of the cross-hair.
    virtual void ShowModeBInactive(bool normalPointer) = 0;
    /// Draws the Mode-A graph (with its figure boxes) from the job.
    virtual void DrawModeAGraph() = 0;
    /// Draws the Mode-B graph from the job.
    virtual void DrawModeBGraph() = 0;
    /// The redraw: the Mode-A graph if the Mode-A pane holds text, then the Mode-B graph if the
    /// Mode-B pane holds text.
    virtual void ReGraphic_Click() = 0;
    /// While `busy`, shows that keys are going out to Orvexa, so that the user waits: a busy
    /// pointer over the program and "Sending keys to Orvexa ..." where the status bar's free text
    /// panel is. Calls come in pairs; nested pairs (a hand-off started during another's pause)
    /// keep it until the outer pair ends.
    virtual void ShowHandoffBusy(bool busy) = 0;
    /// Notes what a dialog showed at a successful OK, after its hand-over: a shape step starts
    /// the job anew, a Face Copy step follows the shape that made the Mode-A text. Failures
    /// record nothing.
    virtual void RecordStep(JobStep step) { static_cast<void>(step); }
};

} // namespace spirolan
