// SPDX-License-Identifier: GPL-3.0-or-later
// The printed setup sheet's texts: the job's shape as typed, the motion figures and the Face
// Copy conditions.
#pragma once

#include "core/cam_job.h"

#include <string>
#include <vector>

namespace spirolan {

/// One line of a sheet section: a caption and its value.
struct SheetRow {
    std::string Label;
    std::string Value;
    friend bool operator==(const SheetRow&, const SheetRow&) = default;
};

struct SheetSection {
    std::string Title;
    std::vector<SheetRow> Rows;
    bool FullWidth = false; // long rows (paths, notes): across the page, under the columns
};

/// A file the program wrote: its full path and size in bytes.
struct SheetFile {
    std::string Path;
    long long Bytes = 0;
};

/// What the printing window knows beside the job.
struct SheetContext {
    std::string Program;                  // name and version, "Spirolan  Ver. 2.23"
    std::string Printed;                  // date and time of printing
    std::string JobName;                  // the job document's name; empty when there is none
    bool WithFaceCopy = false;            // the Mode-B pane holds text
    bool Unsaved = false;                 // the job has changes its document does not hold
    std::string Part;                     // part number; empty when none was given
    std::string Notes;                    // the job's note, lines separated by line feeds
    std::vector<SheetFile> SavedCafFiles; // CAF files saved since the program started
};

struct SetupSheet {
    std::vector<std::string> Heading; // program, date and time, job name
    std::vector<SheetSection> Sections;
};

/// The sheet of `job`: a heading with the program, the date, the job's name ("Untitled" without
/// one, marked "Not saved" when `context.Unsaved`) and part number; a section for the last
/// shape generated with every field of its dialog as the dialog shows it (captions of the
/// dialog, the lead count and the cutting position); a section with the spindle speed, the
/// three figure lines, the machine limits used ("no limits set" without) and, with limits, the
/// highest spindle speed; when `context.WithFaceCopy`, the Face Copy conditions; the CAF files
/// saved, with their sizes; and the notes, one row a line.
SetupSheet BuildSetupSheet(const CamJob& job, const SheetContext& context);

} // namespace spirolan
