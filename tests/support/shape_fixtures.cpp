// Shared inputs and text probes of the shape generator tests.
#include "shape_fixtures.h"

namespace spirolan::testing_support {

Shape1Input ReferenceGroove() {
    Shape1Input input = PrefillShape1(CamJob{});
    input.NoseR = "0.2";
    input.Pitch = "3.6";
    input.Width = "0.5";
    input.Diameter1 = "10";
    input.Diameter2 = "8.8";
    input.Angle1 = "60";
    input.Angle2 = "60";
    input.R1 = "0.3";
    input.R2 = "0.4";
    input.R3 = "0.4";
    input.R4 = "0.3";
    input.LeadIndex = 2;
    input.External = true;
    return input;
}

Shape2Input ReferenceBall() {
    Shape2Input input = PrefillShape2(CamJob{});
    input.NoseR = "0.2";
    input.Pitch = "2";
    input.Diameter1 = "10";
    input.Diameter2 = "9";
    input.R1 = "0.3";
    input.R2 = "0.6";
    input.LeadIndex = 1;
    input.External = true;
    return input;
}

Shape3Input ReferenceShape3() {
    Shape3Input input = PrefillShape3(CamJob{});
    input.NoseR = "0.2";
    input.Pitch = "3.6";
    input.Width = "1";
    input.Diameter1 = "10";
    input.Diameter2 = "8.8";
    input.Angle1 = "60";
    input.R1 = "0.4";
    input.R2 = "1";
    input.LeadIndex = 1;
    input.External = true;
    return input;
}

void GenerateThreeLeadGroove(CamJob& job) {
    Shape1Input in = ReferenceGroove();
    in.Pitch = "7.2";
    in.LeadIndex = 0;
    GenerateShape1(in, job);
}

std::string DataLine(const std::string& modeAText, int index) {
    // Seven header lines come first.
    size_t start = 0;
    for (int line = 0; line < 7 + index; ++line) {
        start = modeAText.find("\r\n", start);
        if (start == std::string::npos) {
            return "(no such line)";
        }
        start += 2;
    }
    const size_t end = modeAText.find("\r\n", start);
    return end == std::string::npos ? "(no such line)" : modeAText.substr(start, end - start);
}

int LineCount(const std::string& text) {
    int count = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

} // namespace spirolan::testing_support
