// A hand-off platform that records every request and answers as each test tells it.
#pragma once

#include "handoff_platform.h"

#include <optional>
#include <string>
#include <vector>

namespace spirolan::test {

/// Keys in the hand-off's notation: "%F" Alt+F, "{DOWN}", "{ENTER}", text as it stands.
std::string Notation(const KeyText& keys);

/// Records "start PATH", "front PID", "wait SECONDS", "keys NOTATION", "ask CAPTION|TEXT" and
/// "pick FOLDER|FILTER;FILTER" in order; `sent` keeps the key texts themselves.
class RecordingHandoff final : public HandoffPlatform {
public:
    std::optional<std::int64_t> StartProgram(const std::string& path) override;
    bool BringToFront(std::int64_t pid) override;
    bool SendKeys(const KeyText& keys) override;
    void Wait(double seconds) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    std::optional<std::string> PickFile(const std::string& folder,
                                        const std::vector<std::string>& filters) override;

    std::vector<std::string> log;
    std::vector<KeyText> sent;

    bool startWorks = true;
    bool frontWorks = true;
    int failingKeyText = -1; // index of the SendKeys call that fails; -1 none
    bool answerYes = false;
    std::optional<std::string> pickedFile;
};

} // namespace spirolan::test
