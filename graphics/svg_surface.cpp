// SPDX-License-Identifier: GPL-3.0-or-later
// SvgSurface: the picture of a surface as SVG 1.1 elements, and the page that holds them.
#include "graphics/svg_surface.h"

#include "graphics/segment_clip.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace spirolan {
namespace {

// Lines reaching this far beyond the edges still get their caps drawn; the rest is cut off.
constexpr double kClipMargin = 1;
// Text anchored this many pixels beyond a surface cannot reach it.
constexpr double kTextReach = 1e5;

int ClampSide(int pixels) {
    return std::clamp(pixels, 1, kMaxSvgSide);
}

// A pixel value with at most two decimals and no trailing zeros ("12.5", "-3", "0").
void AppendNumber(std::string& out, double value) {
    char buffer[48];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        out += '0'; // only a caller's absurd placement gets here
        return;
    }
    const char* end = result.ptr;
    while (end[-1] == '0') {
        --end;
    }
    if (end[-1] == '.') {
        --end;
    }
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    out += text == "-0" ? "0" : text;
}

void AppendColor(std::string& out, Rgb color) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '#';
    for (const std::uint8_t part : {color.r, color.g, color.b}) {
        out += kHex[part >> 4];
        out += kHex[part & 15];
    }
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += ch;
        }
    }
}

} // namespace

SvgSurface::SvgSurface(SvgSurfaceOptions options)
    : width_(ClampSide(options.Width)), height_(ClampSide(options.Height)),
      geometry_(width_, height_), backColor_(options.BackColor), foreColor_(options.ForeColor),
      fontPoints_(options.FontPoints) {
    Erase();
}

void SvgSurface::Erase() {
    body_.clear();
    pathData_.clear();
    body_ += "<rect width=\"";
    AppendNumber(body_, width_);
    body_ += "\" height=\"";
    AppendNumber(body_, height_);
    body_ += "\" fill=\"";
    AppendColor(body_, backColor_);
    body_ += "\"/>\n";
}

void SvgSurface::AppendPath(std::string& out) const {
    if (pathData_.empty()) {
        return;
    }
    out += "<path stroke=\"";
    AppendColor(out, pathColor_);
    out += pathCrisp_ ? "\" shape-rendering=\"crispEdges\" d=\"" : "\" d=\"";
    out += pathData_;
    out += "\"/>\n";
}

void SvgSurface::FlushPath() {
    AppendPath(body_);
    pathData_.clear();
}

void SvgSurface::SetBackColor(Rgb color) {
    backColor_ = color;
    Erase();
}

void SvgSurface::Clear() {
    Erase();
    textX_ = 0;
    textY_ = 0;
}

void SvgSurface::SetScale(float left, float top, float width, float height) {
    geometry_.SetScale(left, top, width, height);
}

void SvgSurface::DrawLine(float x1, float y1, float x2, float y2, Rgb color) {
    double px1 = geometry_.PixelX(x1);
    double py1 = geometry_.PixelY(y1);
    double px2 = geometry_.PixelX(x2);
    double py2 = geometry_.PixelY(y2);
    const PixelBox box{-kClipMargin, -kClipMargin, width_ + kClipMargin, height_ + kClipMargin};
    if (!ClipSegment(px1, py1, px2, py2, box)) {
        return;
    }
    const bool crisp = px1 == px2 || py1 == py2;
    if (!pathData_.empty() && (color != pathColor_ || crisp != pathCrisp_)) {
        FlushPath();
    }
    if (pathData_.empty() || px1 != penX_ || py1 != penY_) {
        pathData_ += 'M';
        AppendNumber(pathData_, px1);
        pathData_ += ' ';
        AppendNumber(pathData_, py1);
    }
    pathData_ += 'L';
    AppendNumber(pathData_, px2);
    pathData_ += ' ';
    AppendNumber(pathData_, py2);
    pathColor_ = color;
    pathCrisp_ = crisp;
    penX_ = px2;
    penY_ = py2;
}

void SvgSurface::SetForeColor(Rgb color) {
    foreColor_ = color;
}

void SvgSurface::SetFontSize(float points) {
    fontPoints_ = points;
}

void SvgSurface::SetCurrentPosition(float x, float y) {
    textX_ = x;
    textY_ = y;
}

void SvgSurface::PrintLine(std::string_view text) {
    FlushPath();
    const double fontPixels = SurfaceGeometry::FontPixels(fontPoints_);
    const double x = geometry_.PixelX(textX_);
    const double baseline = geometry_.PixelY(textY_) + kTextAscent * fontPixels;
    const bool reachable = std::abs(x) < kTextReach && std::abs(baseline) < kTextReach &&
                           fontPixels > 0 && fontPixels < kTextReach;
    if (reachable && !text.empty()) {
        body_ += "<text x=\"";
        AppendNumber(body_, x);
        body_ += "\" y=\"";
        AppendNumber(body_, baseline);
        body_ += "\" font-size=\"";
        AppendNumber(body_, fontPixels);
        body_ += "\" fill=\"";
        AppendColor(body_, foreColor_);
        body_ += "\" xml:space=\"preserve\">";
        AppendEscaped(body_, text);
        body_ += "</text>\n";
    }
    textY_ += geometry_.LineHeight(fontPoints_);
}

float SvgSurface::TextWidth(std::string_view text) {
    return geometry_.TextWidth(text, fontPoints_);
}

float SvgSurface::TextHeight() {
    return geometry_.LineHeight(fontPoints_);
}

void SvgSurface::FillRect(float x, float y, float width, float height, Rgb color) {
    const double left = std::clamp(geometry_.PixelX(x), -kClipMargin, width_ + kClipMargin);
    const double top = std::clamp(geometry_.PixelY(y), -kClipMargin, height_ + kClipMargin);
    const double right =
        std::clamp(geometry_.PixelX(x + width), -kClipMargin, width_ + kClipMargin);
    const double bottom =
        std::clamp(geometry_.PixelY(y + height), -kClipMargin, height_ + kClipMargin);
    if (!(right > left) || !(bottom > top)) {
        return;
    }
    FlushPath();
    body_ += "<rect x=\"";
    AppendNumber(body_, left);
    body_ += "\" y=\"";
    AppendNumber(body_, top);
    body_ += "\" width=\"";
    AppendNumber(body_, right - left);
    body_ += "\" height=\"";
    AppendNumber(body_, bottom - top);
    body_ += "\" fill=\"";
    AppendColor(body_, color);
    body_ += "\" stroke=\"none\"/>\n";
}

void SvgSurface::SetPointer(PointerShape shape) {
    pointer_ = shape;
}

void SvgSurface::Show() {
    shown_ = true;
}

std::string SvgSurface::Body() const {
    std::string body = body_;
    AppendPath(body);
    return body;
}

std::string SvgSurface::Document() const {
    const SvgPart part{.Surface = this};
    return ComposeSvg(width_, height_, backColor_, std::span(&part, 1));
}

std::string ComposeSvg(int width, int height, Rgb page, std::span<const SvgPart> parts) {
    width = ClampSide(width);
    height = ClampSide(height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
    AppendNumber(svg, width);
    svg += "\" height=\"";
    AppendNumber(svg, height);
    svg += "\" viewBox=\"0 0 ";
    AppendNumber(svg, width);
    svg += ' ';
    AppendNumber(svg, height);
    svg += "\">\n<rect width=\"100%\" height=\"100%\" fill=\"";
    AppendColor(svg, page);
    svg += "\"/>\n<defs>\n";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        svg += "<clipPath id=\"clip" + std::to_string(i) + "\"><rect width=\"";
        AppendNumber(svg, parts[i].Surface->Width());
        svg += "\" height=\"";
        AppendNumber(svg, parts[i].Surface->Height());
        svg += "\"/></clipPath>\n";
    }
    svg += "</defs>\n";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const SvgPart& part = parts[i];
        svg += "<g transform=\"translate(";
        AppendNumber(svg, part.X);
        svg += ' ';
        AppendNumber(svg, part.Y);
        svg += ")\">\n";
        if (part.Framed) {
            svg += "<rect x=\"-0.5\" y=\"-0.5\" width=\"";
            AppendNumber(svg, part.Surface->Width() + 1);
            svg += "\" height=\"";
            AppendNumber(svg, part.Surface->Height() + 1);
            svg += "\" fill=\"none\" stroke=\"#a0a0a0\"/>\n";
        }
        svg += "<g clip-path=\"url(#clip" + std::to_string(i) +
               ")\" fill=\"none\" stroke-width=\"1\" stroke-linecap=\"square\" "
               "font-family=\"Arial, Helvetica, sans-serif\"";
        if (part.Surface->Pointer() == PointerShape::CrossHair) {
            svg += " cursor=\"crosshair\"";
        }
        svg += ">\n";
        svg += part.Surface->Body();
        svg += "</g>\n</g>\n";
    }
    svg += "</svg>\n";
    return svg;
}

} // namespace spirolan
