// SPDX-License-Identifier: GPL-3.0-or-later
// CamJob: the one job state shared by every window for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace spirolan {

/// An optional number of the job state: empty until a dialog stores it.
using OptionalNumber = std::optional<double>;

/// Value of an optional field in arithmetic: empty counts as 0.
inline double ValueOf(const OptionalNumber& field) {
    return field.value_or(0.0);
}

/// Number of entries of the XS table: spindle angle C = 0..360 degrees.
inline constexpr int kTableSize = 361;

/// The shared job state. A plain record: the generators, Face copy and the shell write it, the
/// dialogs and graphs read it. Create exactly one and hand it to every window by reference.
/// Each group of fields below names the part of the program that writes it.
struct CamJob {
    // Shape parameters (lengths in mm, angles in degrees). Written by the shape input: each
    // shape dialog's OK (core/shape1..3), and start-up for LeadCount and PI.
    std::int16_t CutPosition = 0; // sign of XS: Shapes 1 and 2 store 1 External, Shape 3 -1
    OptionalNumber NoseR;
    OptionalNumber Pitch;
    OptionalNumber LeadPitch;
    OptionalNumber Width;
    OptionalNumber Shape3Width;
    OptionalNumber Diameter1;
    OptionalNumber Diameter2;
    OptionalNumber Shape3Diameter1;
    OptionalNumber ZPerDegree;
    OptionalNumber Angle1;
    OptionalNumber Angle2;
    OptionalNumber R1;
    OptionalNumber R2;
    OptionalNumber R3;
    OptionalNumber R4;
    OptionalNumber LeadCount = 1.0;
    double SpindleSpeed = 0; // rpm, for the acceleration figures
    float StartXS = 0;       // added to every Shape 1 value
    int LastShape = 0;       // 1, 2 or 3: the shape of the last successful generation; 0 none

    /// Twelve decimals of pi, not the full-precision value: every degree conversion uses it.
    double PI = 3.141592653589;

    /// XS in mm for spindle angle C = index degrees; empty until a generation writes it.
    /// Written by the shape input only.
    std::array<OptionalNumber, kTableSize> XSTable{};

    // Written by face copy: the Face Copy dialog and its OK (facecopy/).
    OptionalNumber CutLength;
    OptionalNumber SavedCutLength;
    OptionalNumber ZAxisPitch;
    std::int16_t CopyNumber = 0;
    // The choices of the last Mode-B text built, for the setup sheet.
    int ShiftAngle = 0;       // degrees from face to face
    std::string EnterChamfer; // entry chamfer length as typed; empty: no entry chamfer
    std::string ExitChamfer;  // exit chamfer length as typed; empty: no exit chamfer

    // Written by the settings at start-up (app/shell/settings_store), then by face copy
    // (MaxFaceNumber, ThreadDir, Repeat), saving (OpenPathName) and the hand-off
    // (OrvlPathName); saved at shutdown.
    double MaxFaceNumber = 384; // 192, 384, 768 or 2828 when chosen in the dialog
    std::int16_t ThreadDir = 0; // 1 right hand, anything else left hand
    bool Repeat = false;
    std::string OpenPathName = "\\";
    std::string OrvlPathName = "\\Program Files\\Orvexa";
    std::string ExportPathName;     // folder of the last export; empty: none yet
    OptionalNumber SlideSpeedLimit; // the slide's maximum speed in mm/s; empty: no limit
    OptionalNumber SlideAccelLimit; // the slide's maximum acceleration in G; empty: no limit

    /// Full path of the last CAF file saved in this run; written by saving, never persisted.
    std::string LastCafFile;

    // Figures of the last Mode-A drawing: written by whoever draws it (the main window, the
    // batch command's shape step) from the figures the drawing returns.
    double MaxSpeed = 0;
    double MaxGravity = 0;
};

} // namespace spirolan
