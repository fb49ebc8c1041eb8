// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the face copy tests: a job with Mode-A data, text lines, refusals.
#pragma once

#include "core/cam_job.h"
#include "facecopy/face_copy_message.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace spirolan::testing_facecopy
