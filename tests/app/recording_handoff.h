// A hand-off platform that records every request and answers as each test tells it.
#pragma once

#include "handoff_platform.h"

#include <optional>
#include <string>
#include <vector>

namespace spirolan::test {

/// Records "start PATH", "front PID", "wait SECONDS", "keys KEYS", "ask CAPTION|TEXT" and
/// "pick FOLDER|FILTER;FILTER" in order. KEYS writes "<Alt+F>", "<Down>", "<Enter>" and texts
/// as they stand.
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
    int failingStep = -1; // which start, front or keys request fails, counted from 0; -1 none
    bool answerYes = false;
    std::optional<std::string> pickedFile;

private:
    bool Step() { return steps_++ != failingStep; }
    int steps_ = 0;
};

} // namespace spirolan::test
