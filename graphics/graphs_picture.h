// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of both graphs as the window exports and prints it: heading, figure boxes, titled
// graphs and their legend, laid out once for every kind of surface.
#pragma once

#include "core/cam_job.h"
#include "graphics/graph_style.h"
#include "graphics/motion_figures.h"
#include "graphics/svg_export.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace spirolan {

inline constexpr std::string_view kModeATitle = "Mode-A: XS over spindle angle";
inline constexpr std::string_view kModeBTitle = "Mode-B: XS along Z";
inline constexpr std::string_view kProfileTitle = "Groove profile to scale: one lead pitch";

/// A part of a picture in pixels from its top-left corner.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

/// Where the parts of a picture go. Only parts that hold something are there: the figure boxes
/// with a spindle speed above 0, the Mode-B graph and its title when the Mode-B pane holds text,
/// the groove profile and its title when a groove was generated.
struct GraphsPictureLayout {
    int Width = 0;
    int Height = 0;
    std::optional<PixelRect> Heading;
    std::optional<PixelRect> Picture5;
    std::optional<PixelRect> Picture4;
    PixelRect TitleA;
    PixelRect ModeA;
    std::optional<PixelRect> TitleB;
    std::optional<PixelRect> ModeB;
    std::optional<PixelRect> TitleProfile;
    std::optional<PixelRect> Profile;
};

/// The layout, one part under the other: the heading (when `withHeading`), the band with the
/// figure boxes right-aligned over the Mode-A graph (when `job` has a spindle speed above 0),
/// the Mode-A title and graph at `modeA`, then the Mode-B title and graph at `modeB` when given,
/// then the groove profile across the picture, as high as the Mode-A graph, when `job` has one.
GraphsPictureLayout LayoutGraphsPicture(const CamJob& job, SvgGraphSize modeA,
                                        std::optional<SvgGraphSize> modeB, bool withHeading);

/// Makes the surface of one part: `rect` in pixels, its background, text colour and font size
/// (points), framed by a grey border just outside it when `framed`. The maker keeps it.
using PartMaker = std::function<GraphSurface&(const PixelRect& rect, Rgb back, Rgb fore,
                                              float points, bool framed)>;

/// Draws the picture of `layout` part by part on surfaces from `make` in `style`: `heading` on
/// its line, the figure boxes, each graph's title with a legend naming its curves, the graphs
/// (the machine limit line included), the groove profile. Returns the motion figures drawn.
MotionFigures DrawGraphsPicture(const CamJob& job, const GraphsPictureLayout& layout,
                                const GraphStyle& style, std::string_view heading,
                                const PartMaker& make);

/// The picture as one SVG document: `heading` on top unless empty, the Mode-B part when
/// `modeB` is given.
std::string GraphsSvg(const CamJob& job, SvgGraphSize modeA, std::optional<SvgGraphSize> modeB,
                      const GraphStyle& style, std::string_view heading);

} // namespace spirolan
