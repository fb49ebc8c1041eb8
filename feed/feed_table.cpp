// SPDX-License-Identifier: GPL-3.0-or-later
// Feed table: pitches near a pitch and feeds near a feed where the pitch is a multiple of the feed.
#include "feed/feed_table.h"

#include "core/conversions.h"
#include "core/number_text.h"

#include <cmath>
#include <cstdint>

namespace spirolan {
namespace {

constexpr double kStep = 0.001;
constexpr double kPitchSpan = 0.005;
constexpr double kFeedSpan = 0.05;

// Steps `value` by 0.001; false when the addition no longer changes it (huge or infinite
// values). Where it does change it, it moves by at least half of 0.001, so a span of 0.1 takes
// at most about 200 steps.
bool Advance(double& value) {
    const double next = value + kStep;
    if (next == value) {
        return false;
    }
    value = next;
    return true;
}

void AppendPairIfMultiple(std::string& text, double p, double f) {
    const auto a = ToInt32(p * 1000);
    const auto b = ToInt32(f * 1000);
    if (!a || !b || *b == 0) {
        return;
    }
    // 64 bits: the 32-bit remainder of -2147483648 by -1 overflows.
    if (std::int64_t{*a} % std::int64_t{*b} != 0) {
        return;
    }
    text += PlainText(p);
    text += "  \t";
    text += PlainText(f);
    text += "  \t";
    text += PlainText(std::floor(p / f) + 1);
    text += "\r\n";
}

} // namespace

std::string FeedTable(double pitch, double feed) {
    std::string text = kFeedTableHeader;
    text += "\r\n";
    for (double p = pitch - kPitchSpan; p <= pitch + kPitchSpan;) {
        for (double f = feed - kFeedSpan; f < feed + kFeedSpan;) {
            AppendPairIfMultiple(text, p, f);
            if (!Advance(f)) {
                break;
            }
        }
        if (!Advance(p)) {
            break;
        }
    }
    return text;
}

} // namespace spirolan
