// SPDX-License-Identifier: GPL-3.0-or-later
// What the hand-off to the cam-machining program needs of the desktop, as one small interface.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace spirolan {

/// One step of a keystroke text: a literal text typed character by character, Alt held with
/// one key, or one of the two named keys.
struct KeyStroke {
    enum class Kind { Text, Alt, Down, Enter };
    Kind kind = Kind::Text;
    std::string text; // Text: typed as it stands; Alt: the key held with Alt, one character

    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

/// A keystroke text: the keys sent in one go, then waited for.
using KeyText = std::vector<KeyStroke>;

/// A text typed literally: no character in it has a meaning of its own.
KeyStroke TypedText(std::string text);
/// The key `key` (a letter) with Alt held down.
KeyStroke AltKey(char key);
KeyStroke DownKey();
KeyStroke EnterKey();

/// A started program's process id, or why no program was started.
struct StartedProgram {
    std::optional<std::int64_t> Pid;
    std::string Problem; // a line for the user when not started; empty when nothing more is known
};

/// The desktop services that `StartOrvexa` uses. The program's implementation is
/// `DesktopHandoffPlatform`; tests substitute a recording fake.
class HandoffPlatform {
public:
    virtual ~HandoffPlatform() = default;

    /// Starts the executable at `path` with a normal window that gets the focus. Gives the
    /// started process's id, or none (and possibly why) when it cannot be started.
    virtual StartedProgram StartProgram(const std::string& path) = 0;
    /// Brings a window of process `pid` (or of a process it started) to the front and gives it
    /// the focus. False when no such window appears or it cannot be brought forward.
    virtual bool BringToFront(std::int64_t pid) = 0;
    /// Sends `keys` to the focused window, only while it is one of the program brought to the
    /// front, and waits until they have been delivered. False when they cannot be sent (no
    /// reachable display, or the focus is not in that program).
    virtual bool SendKeys(const KeyText& keys) = 0;
    /// While `busy`, the user is shown that keys are being sent and should not type: a busy
    /// pointer and a status text. Calls come in pairs, true then false.
    virtual void ShowBusy(bool busy) = 0;
    /// Waits `seconds` while the user interface keeps processing its events.
    virtual void Wait(double seconds) = 0;
    /// Asks `text` with a question icon and Yes and No buttons under `caption`; true on Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    /// The open-file dialog starting in `folder` with the name `filters` (label with its
    /// patterns in parentheses). Gives the picked file's full path, or nullopt on cancel.
    virtual std::optional<std::string> PickFile(const std::string& folder,
                                                const std::vector<std::string>& filters) = 0;
};

} // namespace spirolan
