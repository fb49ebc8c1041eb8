// Job documents (".spjob"): the job file of the batch command as the window saves and opens it.
#pragma once

#include "io/job_file.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace spirolan {

/// The largest job document the window reads; one it writes is about a kilobyte.
inline constexpr std::int64_t kMaxJobDocumentBytes = 1024 * 1024;

/// The document text of `steps`: UTF-8 JSON, two-space indented, keys in a fixed order
/// ("format", "version", "steps"; in a step "dialog", "fields"; fields in the given order),
/// ending in a line feed, so that saving the same job twice gives the same bytes.
std::string JobDocumentText(const std::vector<JobStep>& steps);

/// Reads and parses the job document `path`. A folder or anything else that is not a regular
/// file, a file larger than kMaxJobDocumentBytes, one that cannot be read or is not a valid job
/// file gives the message; `source` names the file in it.
JobFileResult ReadJobDocument(const QString& path, const std::string& source);

} // namespace spirolan
