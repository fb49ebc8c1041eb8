// SPDX-License-Identifier: GPL-3.0-or-later
// Checked writes to the standard output and error.
#include "cli/standard_streams.h"

#include <cerrno>
#include <system_error>

namespace spirolan::batch {
namespace {

std::string ReasonOf(int error) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

} // namespace

void Unbuffered(std::FILE* stream) {
    std::setvbuf(stream, nullptr, _IONBF, 0);
}

std::string Print(std::FILE* stream, std::string_view bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream) != bytes.size() ||
        std::fflush(stream) != 0) {
        return ReasonOf(errno);
    }
    return {};
}

std::string Close(std::FILE* stream) {
    errno = 0;
    return std::fclose(stream) != 0 ? ReasonOf(errno) : std::string();
}

} // namespace spirolan::batch
