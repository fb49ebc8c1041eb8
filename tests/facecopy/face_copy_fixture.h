// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the face copy tests: a job with Mode-A data, an open dialog, text lines.
#pragma once

#include "core/cam_job.h"
#include "facecopy/face_copy_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace spirolan::testing_facecopy {

/// A job of pitch 3.6 whose table holds -d / 16 mm at degree d, so that degree d's data line
/// is the signed-column text of -625 * d.
inline CamJob JobWithModeA(double leadCount = 1) {
    CamJob job;
    job.Pitch = 3.6;
    job.LeadCount = leadCount;
    job.LeadPitch = 3.6 / leadCount;
    for (int d = 0; d < 360; ++d) {
        job.XSTable[d] = -d / 16.0;
    }
    return job;
}

/// The lines of a text, which must end in CR LF, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    EXPECT_TRUE(text.ends_with("\r\n"));
    std::vector<std::string> lines;
    for (size_t at = 0, end; at < text.size(); at = end + 2) {
        end = std::min(text.find("\r\n", at), text.size());
        lines.push_back(text.substr(at, end - at));
    }
    return lines;
}

inline FaceCopyMessage Refusal(const char* text) {
    return {text, "Face copy error", MessageIcon::Exclamation};
}
inline const FaceCopyMessage kTooLong = Refusal("Too long cutting length !!");

/// A dialog over a job with Mode-A data that keeps the messages it shows.
class FaceCopyDialog : public testing::Test {
protected:
    CamJob job = JobWithModeA();
    std::vector<FaceCopyMessage> shown;
    std::optional<FaceCopyModel> model;

    bool Open() {
        model.emplace(job, [this](const FaceCopyMessage& m) { shown.push_back(m); });
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
