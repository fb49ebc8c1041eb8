// Test helpers over the recording surface: the order of operations as a short text.
#pragma once

#include "recording_surface.h"

#include <string>

namespace spirolan {

/// One letter per recorded operation: B back colour, C clear, S scale, L line, F font size,
/// T text colour, P position, W print line, R pointer, H show.
inline std::string Trace(const RecordingSurface& surface) {
    std::string trace;
    for (const SurfaceOp& op : surface.Ops()) {
        switch (op.kind) {
        case SurfaceOp::Kind::SetBackColor:
            trace += 'B';
            break;
        case SurfaceOp::Kind::Clear:
            trace += 'C';
            break;
        case SurfaceOp::Kind::SetScale:
            trace += 'S';
            break;
        case SurfaceOp::Kind::DrawLine:
            trace += 'L';
            break;
        case SurfaceOp::Kind::SetFontSize:
            trace += 'F';
            break;
        case SurfaceOp::Kind::SetForeColor:
            trace += 'T';
            break;
        case SurfaceOp::Kind::SetCurrentPosition:
            trace += 'P';
            break;
        case SurfaceOp::Kind::PrintLine:
            trace += 'W';
            break;
        case SurfaceOp::Kind::SetPointer:
            trace += 'R';
            break;
        case SurfaceOp::Kind::Show:
            trace += 'H';
            break;
        }
    }
    return trace;
}

/// `part` written `count` times.
inline std::string Repeat(const std::string& part, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += part;
    }
    return text;
}

} // namespace spirolan
