// SPDX-License-Identifier: GPL-3.0-or-later
// Checked writes to the standard output and error: a full disk or a closed pipe is a failure.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace spirolan::batch {

/// Makes `stream` write straight through, so that bytes a failed write could not place are not
/// written again, nor reported twice, when it is closed.
void Unbuffered(std::FILE* stream);

/// Writes `bytes` to `stream`; the system's reason ("No space left on device") when they could
/// not all be written, else empty.
std::string Print(std::FILE* stream, std::string_view bytes);

/// Closes `stream`; the system's reason when the close reports a failure, else empty.
std::string Close(std::FILE* stream);

} // namespace spirolan::batch
