// SPDX-License-Identifier: GPL-3.0-or-later
// The Face Copy dialog's behaviour, without a toolkit: its fields, handlers and messages.
#pragma once

#include "core/cam_job.h"
#include "facecopy/face_copy_message.h"
#include "facecopy/mode_b_text.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace spirolan {

/// Where a handler moves the keyboard focus.
enum class FaceCopyFocus { txtCutLength, Command1 };

/// Everything the window shows. A window copies it onto its widgets after each call of the model
/// (without feeding its own updates back as user edits).
struct FaceCopyView {
    std::optional<int> MaxFace;     // 0..3 = "192", "384", "768", "2828"; empty: none chosen
    std::optional<int> swThreadDir; // kLeftHand "Left hand", kRightHand "Right hand"
    std::optional<int> swRepeat;    // kRepeatOn "ON", kRepeatOff "OFF"

    bool ChamferEnabled = true; // the group "Chamfer" with its check boxes "Enter" and "Exit"
    bool Check1 = false;        // "Enter" ticked
    std::string Text1;          // entry chamfer length
    bool Text1Enabled = false;  // its own state; the group's disabled state also applies
    bool Text1Greyed = true;    // button-face background instead of the window background
    bool Check2 = false;        // "Exit" ticked
    std::string Text2;          // exit chamfer length
    bool Text2Enabled = false;
    bool Text2Greyed = true;

    std::string LabelPitch;   // "Thread Pitch", signed-column text
    std::string txtCutLength; // "Cutting length"
    bool CutLengthReadOnly = false;
    bool CutLengthGreyed = false;
    std::string txtZaxisPitch; // "Z-axis pitch", truncated to 4 decimals
    std::string AnglePitch;    // "Shift angle", signed-column text
    std::string txtCopyNumber; // "Copy number"

    bool OkEnabled = false; // Command1 "O  K"
};

/// The Face Copy dialog over the one shared job. Create it fresh for every opening, call Open,
/// then drive it with the user's actions. Methods named after a control run that control's
/// handler. Messages go to the handler given at creation at the moment they appear, so that a
/// window can show each one modally before the handler goes on.
class FaceCopyModel {
public:
    using MessageHandler = std::function<void(const FaceCopyMessage&)>;

    /// A fresh dialog (every field in its initial state) over `job`, which must outlive it.
    FaceCopyModel(CamJob& job, MessageHandler onMessage);

    /// Opening: without Mode-A data (`LeadPitch` empty or not above 0) reports
    /// "Please input Mode A data." and returns false (no dialog opens). Otherwise pre-fills in
    /// order, running the handlers as a user's choices would: the maximum number of faces, the
    /// repeat function, the thread direction, the pitch, the cutting length kept in the job (with
    /// the repeat function on, the box keeps the one pitch that "ON" put there); returns true. The
    /// pre-fill may already report "Too long cutting length !!" (with the repeat function off, a
    /// length kept from an earlier run with a smaller maximum), before the window is shown.
    bool Open();

    const FaceCopyView& View() const { return view_; }

    /// The shift angle last derived, in degrees (0 before any derivation).
    int ShiftAngle() const { return shiftAngle_; }

    /// Chooses "Max. number of face" `index` (0..3) and derives the copy conditions.
    void MaxFace_Click(int index);

    /// Chooses the thread direction (kLeftHand, kRightHand) and derives the copy conditions.
    void swThreadDir_Click(int index);

    /// Chooses the repeat function. "ON": one pitch is copied, the cutting length is locked
    /// to the pitch and the chamfers are disabled. "OFF": the box is emptied and unlocked and
    /// the chamfers enabled.
    void swRepeat_Click(int index);

    /// Mouse button released over a repeat choice: the focus goes to the cutting length with
    /// "OFF" chosen, else to OK.
    FaceCopyFocus swRepeat_MouseUp() const;

    /// The user types `text` into the cutting length box; ignored while the box is read-only.
    /// Runs txtCutLength_Change when the text changes.
    void TypeCutLength(const std::string& text);

    /// Every change of the cutting length text: a reading not above 0 disables OK and derives
    /// nothing; otherwise the copy conditions are derived and OK is enabled if they were
    /// accepted (a length too long, or too short for one face, leaves OK disabled).
    void txtCutLength_Change();

    /// A key typed in the cutting length box: Enter (13) moves the focus to OK without pressing
    /// it; other keys move nothing.
    std::optional<FaceCopyFocus> txtCutLength_KeyPress(int keyAscii) const;

    /// Ticks or clears "Enter" (ignored while the chamfers are disabled); the length box follows.
    void Check1_Click(bool ticked);
    /// Ticks or clears "Exit" (ignored while the chamfers are disabled); the length box follows.
    void Check2_Click(bool ticked);

    /// The user types the entry or exit chamfer length; ignored while that box is disabled.
    void TypeText1(const std::string& text);
    void TypeText2(const std::string& text);

    /// Derives shift angle, copy number and Z-axis pitch from the dialog into the job and the
    /// displays. Returns true when the cutting length was accepted. A length too long for the
    /// maximum number of faces reports "Too long cutting length !!", then empties the box
    /// (disabling OK) and keeps the previous conditions; a negative length, one too short for a
    /// single face, or a derivation with nothing to divide by derives nothing, silently.
    bool CalcCopyCondition();

    /// Cancel: puts `SavedCutLength` back into `CutLength`. The window then closes and redraws
    /// the graphs of the panes that are not empty.
    void Command2_Click();

    /// OK: builds the Mode-B text (and sets `ThreadDir` and `SavedCutLength`). Returns nullopt
    /// while OK is disabled. A refusal (for example "Too long chamfer length !!") is reported to
    /// the message handler as well as returned, the dialog stays open and nothing changes;
    /// otherwise the window puts `text` into the Mode-B pane, closes and redraws both graphs.
    std::optional<ModeBResult> Command1_Click(const ModeBProgress& progress = {});

private:
    void Report(std::string_view text);
    void SetCutLengthText(const std::string& text);
    void ApplyCheck1();
    void ApplyCheck2();

    CamJob& job_;
    MessageHandler onMessage_;
    FaceCopyView view_;
    int shiftAngle_ = 0;
};

} // namespace spirolan
