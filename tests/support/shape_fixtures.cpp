// SPDX-License-Identifier: GPL-3.0-or-later
// Shared inputs and text probes of the shape generator tests.
#include "tests/support/shape_fixtures.h"

namespace spirolan::testing_support {

// Field by field in the order of the input records: the texts, then the lead entry and position.
Shape1Input ReferenceGroove() {
    return {"0.2", "3.6", "0.5", "10", "8.8", "60", "60", "0.3",
            "0.4", "0.4", "0.3", "0",  "0",   2,    true};
}

Shape2Input ReferenceBall() {
    return {"0.2", "2", "10", "9", "0.3", "0.6", 1, true};
}

Shape3Input ReferenceShape3() {
    return {"0.2", "3.6", "1", "10", "8.8", "60", "0.4", "1", 1, true};
}

CamJob ReferenceGrooveJob() {
    CamJob job;
    Shape1Input in = ReferenceGroove();
    in.SpindleSpeed = "1000";
    GenerateShape1(in, job);
    return job;
}

CamJob GougingGrooveJob() {
    CamJob job;
    Shape1Input in = ReferenceGroove();
    in.NoseR = "0.5";
    in.R2 = in.R3 = "0.2";
    GenerateShape1(in, job);
    return job;
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
