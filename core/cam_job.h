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
struct CamJob {
    // Shape parameters (lengths in mm, angles in degrees).
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
    std::array<OptionalNumber, kTableSize> XSTable{};

    // Face copy.
    OptionalNumber CutLength;
    OptionalNumber SavedCutLength;
    OptionalNumber ZAxisPitch;
    std::int16_t CopyNumber = 0;
    // The choices of the last Mode-B text built, for the setup sheet.
    int ShiftAngle = 0;       // degrees from face to face
    std::string EnterChamfer; // entry chamfer length as typed; empty: no entry chamfer
    std::string ExitChamfer;  // exit chamfer length as typed; empty: no exit chamfer

    // Persisted settings (loaded at start-up, saved at shutdown).
    std::string MaxFaceNumber = "384"; // the settings text until a derivation stores a number
    std::int16_t ThreadDir = 0;        // 1 right hand, anything else left hand
    bool Repeat = false;
    std::string OpenPathName = "\\";
    std::string OrvlPathName = "\\Program Files\\Orvexa";
    std::string ExportPathName;     // folder of the last export; empty: none yet
    OptionalNumber SlideSpeedLimit; // the slide's maximum speed in mm/s; empty: no limit
    OptionalNumber SlideAccelLimit; // the slide's maximum acceleration in G; empty: no limit

    /// Full path of the last CAF file saved in this run; never persisted.
    std::string LastCafFile;

    // Motion figures of the last Mode-A drawing.
    double MaxSpeed = 0;
    double MaxGravity = 0;
};

/// Numeric value of `MaxFaceNumber` (its text read leniently).
double MaxFaceNumberValue(const CamJob& job);

} // namespace spirolan
