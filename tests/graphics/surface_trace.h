// Test helpers: the order of operations on a recording surface as a short text; counting in texts.
#pragma once

#include "recording_surface.h"

#include <cstddef>
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

/// How often `part` occurs in `text` (overlapping occurrences counted).
inline std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
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
