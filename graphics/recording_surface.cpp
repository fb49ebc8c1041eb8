// SPDX-License-Identifier: GPL-3.0-or-later
// RecordingSurface: keeps the operations drawn on it.
#include "graphics/recording_surface.h"

namespace spirolan {

using Kind = SurfaceOp::Kind;

RecordingSurface::RecordingSurface(double widthPx, double heightPx)
    : geometry_(widthPx, heightPx) {}

void RecordingSurface::SetBackColor(Rgb color) {
    ops_.push_back({.kind = Kind::SetBackColor, .color = color});
}

void RecordingSurface::Clear() {
    boxes_.clear();
    textX_ = 0;
    textY_ = 0;
    ops_.push_back({.kind = Kind::Clear});
}

void RecordingSurface::SetScale(float left, float top, float width, float height) {
    geometry_.SetScale(left, top, width, height);
    ops_.push_back({.kind = Kind::SetScale, .x1 = left, .y1 = top, .x2 = width, .y2 = height});
}

void RecordingSurface::DrawLine(float x1, float y1, float x2, float y2, Rgb color) {
    ops_.push_back(
        {.kind = Kind::DrawLine, .color = color, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
}

void RecordingSurface::SetForeColor(Rgb color) {
    foreColor_ = color;
    ops_.push_back({.kind = Kind::SetForeColor, .color = color});
}

void RecordingSurface::SetFontSize(float points) {
    fontPoints_ = points;
    ops_.push_back({.kind = Kind::SetFontSize, .x1 = points});
}

void RecordingSurface::SetCurrentPosition(float x, float y) {
    textX_ = x;
    textY_ = y;
    ops_.push_back({.kind = Kind::SetCurrentPosition, .x1 = x, .y1 = y});
}

void RecordingSurface::PrintLine(std::string_view text) {
    ops_.push_back({.kind = Kind::PrintLine,
                    .color = foreColor_,
                    .x1 = textX_,
                    .y1 = textY_,
                    .x2 = fontPoints_,
                    .text = std::string(text)});
    const double left = geometry_.PixelX(textX_);
    const double top = geometry_.PixelY(textY_);
    boxes_.push_back({std::string(text), left, top,
                      left + SurfaceGeometry::TextPixels(text, fontPoints_),
                      top + SurfaceGeometry::FontPixels(fontPoints_) * kTextLineSpacing});
    textY_ += geometry_.LineHeight(fontPoints_);
}

float RecordingSurface::TextWidth(std::string_view text) {
    return geometry_.TextWidth(text, fontPoints_);
}

float RecordingSurface::TextHeight() {
    return geometry_.LineHeight(fontPoints_);
}

void RecordingSurface::FillRect(float x, float y, float width, float height, Rgb color) {
    ops_.push_back(
        {.kind = Kind::FillRect, .color = color, .x1 = x, .y1 = y, .x2 = width, .y2 = height});
}

void RecordingSurface::SetPointer(PointerShape shape) {
    ops_.push_back({.kind = Kind::SetPointer, .pointer = shape});
}

void RecordingSurface::Show() {
    ops_.push_back({.kind = Kind::Show});
}

std::vector<SurfaceOp> RecordingSurface::OpsOf(SurfaceOp::Kind kind) const {
    std::vector<SurfaceOp> found;
    for (const SurfaceOp& op : ops_) {
        if (op.kind == kind) {
            found.push_back(op);
        }
    }
    return found;
}

std::vector<SurfaceOp> RecordingSurface::LinesIn(Rgb color) const {
    std::vector<SurfaceOp> found;
    for (const SurfaceOp& op : ops_) {
        if (op.kind == Kind::DrawLine && op.color == color) {
            found.push_back(op);
        }
    }
    return found;
}

std::vector<std::string> RecordingSurface::Texts() const {
    std::vector<std::string> found;
    for (const SurfaceOp& op : ops_) {
        if (op.kind == Kind::PrintLine) {
            found.push_back(op.text);
        }
    }
    return found;
}

} // namespace spirolan
