// SPDX-License-Identifier: GPL-3.0-or-later
// Mode-B text: the one-turn table copied into many faces along Z, with entry and exit chamfers.
#include "facecopy/mode_b_text.h"

#include "core/caf_text.h"
#include "core/conversions.h"
#include "core/lenient_number.h"
#include "core/number_text.h"
#include "core/shape_common.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace spirolan {
namespace {

constexpr int kDegrees = 360;

// The longest data line: a sign, the 39 digits of the largest single-precision value, CR LF.
// (Every value written is a whole number within single precision.)
constexpr size_t kLongestLine = 42;

// The job's turn as the faces use it: the scaled values (XS in 0.0001 mm) for the chamfer
// blends, their truncated single-precision values for the main faces, and the peak.
struct Turn {
    std::array<double, kDegrees> scaled{};
    std::array<float, kDegrees> truncated{};
    float peak = 0;
};

// Fails when a truncated value does not fit in single precision (or is not a number).
std::optional<Turn> ReadTurn(const CamJob& job) {
    Turn turn;
    for (int i = 0; i < kDegrees; ++i) {
        turn.scaled[i] = ValueOf(job.XSTable[i]) * 10000;
        std::optional<float> v = ToSingle(Fix(turn.scaled[i]));
        if (!v) {
            return std::nullopt;
        }
        turn.truncated[i] = *v;
        // Strictly larger: of equal magnitudes the earlier degree wins, with its sign.
        if (std::fabs(*v) > std::fabs(turn.peak)) {
            turn.peak = *v;
        }
    }
    return turn;
}

// Faces of a chamfer of `length` mm: Int(length / zAxisPitch), 0 for an empty box or a length
// that is negative or shorter than one pitch; infinite for an overflowing length.
double ChamferFaces(bool on, const std::string& length, double zAxisPitch) {
    if (!on || length.empty()) {
        return 0;
    }
    double faces = Int(ReadLenientOrInfinity(length) / zAxisPitch);
    return faces > 0 ? faces : 0;
}

// Start degree of face k: the face is the turn rotated by (k - 1) shift angles.
int OffsetOf(int shiftAngle, int k) {
    long long offset = static_cast<long long>(shiftAngle) * (k - 1) % kDegrees;
    return static_cast<int>(offset < 0 ? offset + kDegrees : offset);
}

class ModeBWriter {
public:
    ModeBWriter(const CamJob& job, const ModeBChoices& choices, const Turn& turn)
        : turn_(turn), shiftAngle_(choices.ShiftAngle), zAxisPitch_(ValueOf(job.ZAxisPitch)),
          twoLeads_(ValueOf(job.LeadCount) == 2) {}

    std::string& Text() { return text_; }
    int Faces() const { return faces_; }

    void Reserve(int copyNumber, int mainFaces) {
        std::string scratch;
        caf::AppendModeBFaceHeader(scratch, copyNumber, Position(copyNumber));
        const size_t headerBytes = scratch.size(); // the last face's header is the longest
        scratch.clear();
        caf::AppendSingleDataLine(scratch, turn_.peak);
        size_t longestLine = scratch.size();
        size_t mainFaceBytes = 0;
        for (float v : turn_.truncated) {
            scratch.clear();
            caf::AppendSingleDataLine(scratch, v);
            mainFaceBytes += scratch.size();
            longestLine = std::max(longestLine, scratch.size());
        }
        // Blend values lie between the peak and a degree's value, so no line is longer.
        const size_t otherFaces = static_cast<size_t>(copyNumber - mainFaces);
        text_.reserve(64 + copyNumber * headerBytes + mainFaces * mainFaceBytes +
                      otherFaces * kDegrees * longestLine);
    }

    // A face of 360 lines of the peak; `modeAHeader` gives it the fixed "E1", "360/0/0".
    void ConstantFace(int k, bool modeAHeader) {
        if (modeAHeader) {
            caf::AppendModeAFaceHeader(text_);
        } else {
            Header(k);
        }
        char* out = face_.data();
        for (int i = 0; i < kDegrees; ++i) {
            out = caf::WriteSingleDataLine(out, turn_.peak);
        }
        EndFace(out);
    }

    void MainFace(int k) {
        Header(k);
        const int offset = OffsetOf(shiftAngle_, k);
        char* out = face_.data();
        for (int d = offset; d < kDegrees; ++d) {
            out = caf::WriteSingleDataLine(out, turn_.truncated[d]);
        }
        for (int d = 0; d < offset; ++d) {
            out = caf::WriteSingleDataLine(out, turn_.truncated[d]);
        }
        EndFace(out);
    }

    // A chamfer face: the peak moved `steps` / `faces` of the way towards the turn's values.
    void BlendFace(int k, double faces, double steps) {
        Header(k);
        const double peak = turn_.peak;
        char* out = face_.data();
        auto line = [&](int d) {
            double v = Fix(peak - ((peak - turn_.scaled[d]) / faces) * steps);
            out = caf::WriteSingleDataLine(out, static_cast<float>(v));
        };
        const int offset = OffsetOf(shiftAngle_, k);
        if (twoLeads_) {
            // Every second degree: the two halves of a two-lead turn are alike.
            for (int d = offset; d < kDegrees; d += 2) {
                line(d);
            }
            for (int d = 2; offset > 0 && d <= offset; d += 2) {
                line(d);
            }
        } else {
            for (int d = offset; d < kDegrees; ++d) {
                line(d);
            }
            for (int d = 0; d < offset; ++d) {
                line(d);
            }
        }
        EndFace(out);
    }

private:
    double Position(int k) const { return Int(zAxisPitch_ * (k - 1) * 10000); }
    void Header(int k) { caf::AppendModeBFaceHeader(text_, k, Position(k)); }

    // The data lines of a face are collected in the face buffer, which holds a whole face, and
    // go into the text together; `end` is where they end.
    void EndFace(const char* end) {
        text_.append(face_.data(), static_cast<size_t>(end - face_.data()));
        ++faces_;
    }

    const Turn& turn_;
    int shiftAngle_;
    double zAxisPitch_;
    bool twoLeads_;
    std::string text_;
    int faces_ = 0;
    std::array<char, (kDegrees - 1) * kLongestLine + caf::kDataLineRoom> face_;
};

ModeBResult Refused(std::string_view message) {
    ModeBResult result;
    result.refusal = FaceCopyRefusal(message);
    return result;
}

} // namespace

ModeBResult MakeModeBText(CamJob& job, const ModeBChoices& choices, const ModeBProgress& progress) {
    const int n = job.CopyNumber;
    const double zAxisPitch = ValueOf(job.ZAxisPitch);
    const double leadCount = ValueOf(job.LeadCount);
    // The last face lies farthest along Z; its position must be a number to be written.
    const bool positionsFinite = std::isfinite(zAxisPitch * (n - 1) * 10000);
    if (n < 1 || !(zAxisPitch > 0) || !positionsFinite ||
        (leadCount != 1 && leadCount != 2 && leadCount != 3)) {
        return Refused(kDataError);
    }
    const std::optional<Turn> turn = ReadTurn(job);
    if (!turn) {
        return Refused(kDataError);
    }
    const double enterCount =
        ChamferFaces(choices.Enter && !choices.RepeatOn, choices.EnterLength, zAxisPitch);
    const double exitCount =
        ChamferFaces(choices.Exit && !choices.RepeatOn, choices.ExitLength, zAxisPitch);
    if (enterCount + exitCount > n) {
        return Refused(kTooLongChamferLength);
    }
    // Both now fit in 0..n.
    const int enterFaces = static_cast<int>(enterCount);
    const int exitFaces = static_cast<int>(exitCount);

    job.ThreadDir = choices.RightHand ? 1 : -1;
    job.SavedCutLength = job.CutLength;
    job.ShiftAngle = choices.ShiftAngle;
    job.EnterChamfer = choices.Enter && !choices.RepeatOn ? choices.EnterLength : std::string();
    job.ExitChamfer = choices.Exit && !choices.RepeatOn ? choices.ExitLength : std::string();
    auto report = [&](int position) {
        if (progress) {
            progress(position, n);
        }
    };
    report(0);

    ModeBWriter writer(job, choices, *turn);
    writer.Reserve(n, n - enterFaces - exitFaces);
    caf::AppendHeader(writer.Text(), SignedColumnText(n));
    if (enterFaces > 0) {
        writer.ConstantFace(1, true);
        for (int k = 2; k <= enterFaces; ++k) {
            writer.BlendFace(k, enterFaces, k - 1);
            report(k);
        }
    }
    for (int k = enterFaces + 1; k <= n - exitFaces; ++k) {
        writer.MainFace(k);
        report(k);
    }
    if (exitFaces > 0) {
        for (int k = n - exitFaces + 1; k <= n - 1; ++k) {
            writer.BlendFace(k, exitFaces, n - k + 1);
            report(k);
        }
        writer.ConstantFace(n, false);
    }
    caf::AppendEnd(writer.Text());

    ModeBResult result;
    result.facesWritten = writer.Faces();
    result.text = std::move(writer.Text());
    return result;
}

} // namespace spirolan
