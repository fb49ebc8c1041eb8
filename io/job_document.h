// SPDX-License-Identifier: GPL-3.0-or-later
// Job documents (".spjob"): the job file of the batch command as the window saves and opens it.
#pragma once

#include "io/job_file.h"

#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace spirolan {

/// The largest job file read; one the window writes is about a kilobyte.
inline constexpr std::uintmax_t kMaxJobFileBytes = 64 * 1024 * 1024;

/// The bytes of the job file `path` (the system's own bytes, not reinterpreted), or nullopt
/// with `problem` saying why: only a regular file up to kMaxJobFileBytes is read, so that a
/// folder, a device or a FIFO cannot make the reader wait or read without end.
std::optional<std::string> ReadJobFileBytes(const std::filesystem::path& path,
                                            std::string& problem);

/// The document text of `job`: UTF-8 JSON, two-space indented, keys in a fixed order
/// ("format", "version", "part" and "notes" when not empty, "steps"; in a step "dialog",
/// "fields"; fields in the given order), ending in a line feed, so that saving the same job
/// twice gives the same bytes.
std::string JobDocumentText(const JobFile& job);

/// Reads (ReadJobFileBytes) and parses the job document `path`; a file that cannot be read
/// gives "cannot read SOURCE: problem", one that is no valid job file the parser's message.
JobFileResult ReadJobDocument(const QString& path, const std::string& source);

} // namespace spirolan
