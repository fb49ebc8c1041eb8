// SPDX-License-Identifier: GPL-3.0-or-later
// SvgSurface: a GraphSurface that keeps its picture as SVG 1.1 text, and a page that places
// several such surfaces side by side.
#pragma once

#include "graphics/graph_surface.h"
#include "graphics/surface_geometry.h"

#include <span>
#include <string>

namespace spirolan {

/// Default pixel size of an exported graph, and the largest side a surface accepts.
inline constexpr int kSvgGraphWidth = 1200;
inline constexpr int kSvgGraphHeight = 420;
inline constexpr int kMaxSvgSide = 16384;

/// Size and initial state of an SvgSurface: what it shows before anything is drawn.
struct SvgSurfaceOptions {
    int Width = kSvgGraphWidth;   // pixels, clamped to 1..kMaxSvgSide
    int Height = kSvgGraphHeight; // pixels, clamped to 1..kMaxSvgSide
    Rgb BackColor{255, 255, 255};
    Rgb ForeColor{0, 0, 0};
    float FontPoints = 9.75f;
};

/// A surface of `Width` x `Height` pixels whose user coordinate system maps onto that rectangle.
/// Lines are clipped to it (a line with an end that is not finite is left out); connected lines
/// of one colour become one path, axis-parallel ones drawn crisp. Texts are Arial of the set size
/// (points at 96 dots per inch) with their top-left corner at the text position, blanks kept.
class SvgSurface final : public GraphSurface {
public:
    explicit SvgSurface(SvgSurfaceOptions options = {});

    void SetBackColor(Rgb color) override;
    void Clear() override;
    void SetScale(float left, float top, float width, float height) override;
    void DrawLine(float x1, float y1, float x2, float y2, Rgb color) override;
    void SetForeColor(Rgb color) override;
    void SetFontSize(float points) override;
    void SetCurrentPosition(float x, float y) override;
    void PrintLine(std::string_view text) override;
    float TextWidth(std::string_view text) override;
    float TextHeight() override;
    void FillRect(float x, float y, float width, float height, Rgb color) override;
    void SetPointer(PointerShape shape) override;
    void Show() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    PointerShape Pointer() const { return pointer_; }
    bool Shown() const { return shown_; }

    /// The SVG elements of the picture in the surface's pixel coordinates (0, 0 at the top left),
    /// not clipped to the surface: ComposeSvg clips them.
    std::string Body() const;

    /// A whole SVG 1.1 document showing this surface alone.
    std::string Document() const;

private:
    void Erase();
    void AppendPath(std::string& out) const;
    void FlushPath();

    int width_;
    int height_;
    SurfaceGeometry geometry_;
    Rgb backColor_;
    Rgb foreColor_;
    float fontPoints_;
    float textX_ = 0;
    float textY_ = 0;
    PointerShape pointer_ = PointerShape::Normal;
    bool shown_ = false;
    std::string body_;
    // The path being built: connected or not, every line of one colour and crispness.
    std::string pathData_;
    Rgb pathColor_{};
    bool pathCrisp_ = false;
    double penX_ = 0;
    double penY_ = 0;
};

/// A surface placed on a page with its top-left corner at (X, Y) pixels, optionally framed by a
/// one-pixel grey border just outside it.
struct SvgPart {
    const SvgSurface* Surface = nullptr;
    double X = 0;
    double Y = 0;
    bool Framed = false;
};

/// One SVG 1.1 document of `width` x `height` pixels (clamped to 1..kMaxSvgSide) filled with
/// `page`, showing the parts in order, each clipped to its own rectangle.
std::string ComposeSvg(int width, int height, Rgb page, std::span<const SvgPart> parts);

} // namespace spirolan
