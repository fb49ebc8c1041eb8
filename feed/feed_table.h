// SPDX-License-Identifier: GPL-3.0-or-later
// Feed table: pitches near a pitch and feeds near a feed where the pitch is a multiple of the feed.
#pragma once

#include <string>

namespace spirolan {

/// Header line of the feed table, without its line end.
inline constexpr const char* kFeedTableHeader = "PITCH    FEED     No.";

/// The text of the feed dialog's result box for the pitch and feed in mm: the header, then one
/// line "pitch  \tfeed  \tn" for every pitch p of P - 0.005, +0.001, ... while p <= P + 0.005 and
/// feed f of F - 0.05, +0.001, ... while f < F + 0.05 (both stepped by repeated addition, so they
/// drift) whose thousandths, each rounded half to even, divide evenly; n is floor(p / f) + 1.
/// Every line ends with CR LF. A pair is skipped when its feed rounds to 0 thousandths or either
/// thousandths leave the 32-bit range. Numbers are plain texts of 15 significant digits.
/// Non-finite or huge inputs (where adding 0.001 no longer changes the value) end the loops, so
/// the table is always finite: at most about 11 x 101 pairs.
std::string FeedTable(double pitch, double feed);

} // namespace spirolan
