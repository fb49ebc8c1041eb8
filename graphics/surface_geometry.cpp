// Surface geometry: user coordinates to pixels and text metrics.
#include "graphics/surface_geometry.h"

namespace spirolan {

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

float SurfaceGeometry::LineHeight(float points) const {
    return static_cast<float>(FontPixels(points) * kTextLineSpacing / heightPx_ * height_);
}

} // namespace spirolan
