// SPDX-License-Identifier: GPL-3.0-or-later
// Surface geometry: user coordinates to pixels and text metrics.
#include "graphics/surface_geometry.h"

#include <array>

namespace spirolan {

namespace {

// Arial's advance widths in thousandths of its size, for the characters ' ' to '~'.
constexpr std::array<short, 95> kArialWidths = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // ' '..'/'
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // '0'..'?'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // '@'..'O'
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // 'P'..'_'
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // '`'..'o'
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};     // 'p'..'~'
constexpr short kOtherWidth = 556;

} // namespace

SurfaceGeometry::SurfaceGeometry(double widthPx, double heightPx)
    : widthPx_(widthPx), heightPx_(heightPx), width_(static_cast<float>(widthPx)),
      height_(static_cast<float>(heightPx)) {}

void SurfaceGeometry::SetScale(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

double SurfaceGeometry::PixelX(float x) const {
    return (static_cast<double>(x) - left_) / width_ * widthPx_;
}

double SurfaceGeometry::PixelY(float y) const {
    return (static_cast<double>(y) - top_) / height_ * heightPx_;
}

double SurfaceGeometry::TextPixels(std::string_view text, float points) {
    long thousandths = 0;
    for (const char ch : text) {
        const unsigned code = static_cast<unsigned char>(ch);
        thousandths += code >= 32 && code < 127 ? kArialWidths[code - 32] : kOtherWidth;
    }
    return static_cast<double>(thousandths) / 1000 * FontPixels(points);
}

float SurfaceGeometry::TextWidth(std::string_view text, float points) const {
    return static_cast<float>(TextPixels(text, points) / widthPx_ * width_);
}

float SurfaceGeometry::LineHeight(float points) const {
    return static_cast<float>(FontPixels(points) * kTextLineSpacing / heightPx_ * height_);
}

} // namespace spirolan
