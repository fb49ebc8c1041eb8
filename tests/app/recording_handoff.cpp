// The recording hand-off platform.
#include "recording_handoff.h"

#include <sstream>

namespace spirolan::test {

std::string Notation(const KeyText& keys) {
    std::string text;
    for (const KeyStroke& key : keys) {
        switch (key.kind) {
        case KeyStroke::Kind::Text:
            text += key.text;
            break;
        case KeyStroke::Kind::Alt:
            text += "%" + key.text;
            break;
        case KeyStroke::Kind::Down:
            text += "{DOWN}";
            break;
        case KeyStroke::Kind::Enter:
            text += "{ENTER}";
            break;
        }
    }
    return text;
}

std::optional<std::int64_t> RecordingHandoff::StartProgram(const std::string& path) {
    log.push_back("start " + path);
    return startWorks ? std::optional<std::int64_t>(4242) : std::nullopt;
}

bool RecordingHandoff::BringToFront(std::int64_t pid) {
    log.push_back("front " + std::to_string(pid));
    return frontWorks;
}

bool RecordingHandoff::SendKeys(const KeyText& keys) {
    log.push_back("keys " + Notation(keys));
    sent.push_back(keys);
    return static_cast<int>(sent.size()) - 1 != failingKeyText;
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
