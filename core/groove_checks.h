// SPDX-License-Identifier: GPL-3.0-or-later
// Design checks of a generated groove: what the cam will not cut as typed, found from the
// geometry.
#pragma once

#include "core/cam_job.h"

#include <string>
#include <vector>

namespace spirolan {

/// The warnings for the groove of the job's last successful generation, each a sentence naming
/// the fields to change, in the order: corners the nose cannot form, a flat bottom it cannot
/// reach, corners that overlap a flank, a nose-centre path that runs backwards along Z, a groove
/// longer than one lead pitch. None before a generation. The cam is made all the same.
std::vector<std::string> CheckGroove(const CamJob& job);

} // namespace spirolan
