// The recording hand-off platform.
#include "recording_handoff.h"

#include <sstream>

namespace spirolan::test {

std::optional<std::int64_t> RecordingHandoff::StartProgram(const std::string& path) {
    log.push_back("start " + path);
    return Step() ? std::optional<std::int64_t>(4242) : std::nullopt;
}

bool RecordingHandoff::BringToFront(std::int64_t pid) {
    log.push_back("front " + std::to_string(pid));
    return Step();
}

bool RecordingHandoff::SendKeys(const KeyText& keys) {
    std::string text = "keys ";
    for (const KeyStroke& key : keys) {
        const char* const named[] = {"", "<Alt+", "<Down>", "<Enter>"};
        text += named[static_cast<int>(key.kind)];
        text += key.kind == KeyStroke::Kind::Alt ? key.text + ">" : key.text;
    }
    log.push_back(text);
    return Step();
}

void RecordingHandoff::Wait(double seconds) {
    std::ostringstream text;
    text << "wait " << seconds;
    log.push_back(text.str());
}

bool RecordingHandoff::AskYesNo(const std::string& caption, const std::string& text) {
    log.push_back("ask " + caption + "|" + text);
    return answerYes;
}

std::optional<std::string> RecordingHandoff::PickFile(const std::string& folder,
                                                      const std::vector<std::string>& filters) {
    std::string entry = "pick " + folder + "|";
    for (std::size_t i = 0; i < filters.size(); ++i) {
        entry += (i == 0 ? "" : ";") + filters[i];
    }
    log.push_back(entry);
    return pickedFile;
}

} // namespace spirolan::test
