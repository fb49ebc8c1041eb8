// Shared set-up of the face copy tests: a job with Mode-A data, an open dialog, text lines.
#pragma once

#include "cam_job.h"
#include "face_copy_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace spirolan::testing_facecopy {

/// A one-lead job of pitch 3.6 whose table holds -d / 16 mm at degree d, so that degree d's
/// data line is the signed-column text of -625 * d.
inline CamJob JobWithModeA(double pitch = 3.6, double leadCount = 1) {
    CamJob job;
    job.Pitch = pitch;
    job.LeadCount = leadCount;
    job.LeadPitch = pitch / leadCount;
    for (int d = 0; d < 360; ++d) {
        job.XSTable[d] = -d / 16.0;
    }
    return job;
}

/// The data line of degree d in a table made by JobWithModeA.
inline std::string DegreeLine(int d) {
    return d == 0 ? " 0" : "-" + std::to_string(625 * d);
}

/// The lines of a text, each of which must end in CR LF.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back("<no CR LF>" + text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline const FaceCopyMessage kTooLong = FaceCopyRefusal(kTooLongCuttingLength);

// A message with what the dialog showed when it appeared (a window shows it modally right then).
struct Shown {
    FaceCopyMessage message;
    std::string boxText;
};

/// A dialog over a job with Mode-A data that records each message with the cutting length box
/// as it stood when the message appeared.
class FaceCopyDialog : public testing::Test {
protected:
    CamJob job = JobWithModeA();
    std::vector<Shown> shown;
    std::optional<FaceCopyModel> model;

    // A fresh dialog over `job`, opened.
    bool Open() {
        model.emplace(job, [this](const FaceCopyMessage& m) {
            shown.push_back({m, model->View().txtCutLength});
        });
        return model->Open();
    }
    const FaceCopyView& View() const { return model->View(); }

    void ExpectConditions(const char* angle, const char* copyNumber, const char* zAxisPitch) {
        EXPECT_EQ(View().AnglePitch, angle);
        EXPECT_EQ(View().txtCopyNumber, copyNumber);
        EXPECT_EQ(View().txtZaxisPitch, zAxisPitch);
    }
};

} // namespace spirolan::testing_facecopy
