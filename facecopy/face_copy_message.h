// Messages of face copy: what the window shows in a modal message box, as values.
#pragma once

#include <string>

namespace spirolan {

/// Icon of a message box. Face copy only refuses, so it only uses the exclamation.
enum class MessageIcon { Exclamation };

/// One modal message box with a single OK button.
struct FaceCopyMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Exclamation;

    friend bool operator==(const FaceCopyMessage&, const FaceCopyMessage&) = default;
};

inline constexpr const char* kFaceCopyErrorTitle = "Face copy error";
inline constexpr const char* kNoModeAData = "Please input Mode A data.";
inline constexpr const char* kTooLongCuttingLength = "Too long cutting length !!";
inline constexpr const char* kTooLongChamferLength = "Too long chamfer length !!";
/// The job's table or copy conditions cannot be written as a Mode-B text.
inline constexpr const char* kFaceCopyDataError = "Data error ";

/// A refusal of face copy: `text` under the title "Face copy error" with an exclamation icon.
inline FaceCopyMessage FaceCopyRefusal(const char* text) {
    return {text, kFaceCopyErrorTitle, MessageIcon::Exclamation};
}

} // namespace spirolan
