// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of both graphs: the layout of its parts and their drawing.
#include "graphics/graphs_picture.h"

#include "graphics/groove_profile.h"
#include "graphics/mode_a_graph.h"
#include "graphics/mode_b_graph.h"
#include "graphics/null_surface.h"
#include "graphics/spindle_limit.h"

#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <vector>

namespace spirolan {
namespace {

constexpr int kHeadingHeight = 26;
constexpr int kTitleHeight = 22;
constexpr int kPartGap = 10; // above the Mode-B title
constexpr float kHeadingPoints = 12;
constexpr float kTitlePoints = 10.5f;
constexpr float kInset = 4;         // texts from the left edge and the top of their line
constexpr float kSampleLength = 24; // a legend's sample of a curve
constexpr float kLegendGap = 6;     // between a sample and its name
constexpr float kEntryGap = 18;     // between two legend entries

// One legend entry: a short thick piece of the curve in its colour, then its name.
struct LegendEntry {
    Rgb Color;
    std::string_view Name;
};

void DrawTitle(GraphSurface& strip, int width, std::string_view title, const GraphStyle& style,
               bool withAcceleration) {
    strip.SetCurrentPosition(kInset, 3);
    strip.PrintLine(title);
    const std::array<LegendEntry, 2> entries{
        {{style.Curve, "XS (mm)"}, {style.Acceleration, "Acceleration (G)"}}};
    const std::size_t shown = withAcceleration ? 2 : 1;
    float legendWidth = 0;
    for (std::size_t i = 0; i < shown; ++i) {
        legendWidth +=
            kSampleLength + kLegendGap + strip.TextWidth(entries[i].Name) + (i > 0 ? kEntryGap : 0);
    }
    float x = static_cast<float>(width) - kInset - legendWidth;
    // A legend that would run into the title is left out rather than drawn over it.
    if (x < kInset + strip.TextWidth(title) + kEntryGap) {
        return;
    }
    const float middle = kTitleHeight / 2.0f;
    for (std::size_t i = 0; i < shown; ++i) {
        for (const float dy : {-1.0f, 0.0f, 1.0f}) {
            strip.DrawLine(x, middle + dy, x + kSampleLength, middle + dy, entries[i].Color);
        }
        x += kSampleLength + kLegendGap;
        strip.SetCurrentPosition(x, 3);
        strip.PrintLine(entries[i].Name);
        x += strip.TextWidth(entries[i].Name) + kEntryGap;
    }
}

} // namespace

GraphsPictureLayout LayoutGraphsPicture(const CamJob& job, SvgGraphSize modeA,
                                        std::optional<SvgGraphSize> modeB, bool withHeading) {
    GraphsPictureLayout layout;
    layout.Width = std::max(modeA.Width, modeB ? modeB->Width : 0);
    int y = 0;
    if (withHeading) {
        layout.Heading = PixelRect{0, y, layout.Width, kHeadingHeight};
        y += kHeadingHeight;
    }
    if (job.SpindleSpeed > 0) {
        const FigureBoxes boxes = FigureBoxSizes();
        const int figureLeft = modeA.Width - boxes.Margin - boxes.FigureWidth;
        layout.Picture5 = PixelRect{figureLeft - boxes.SpindleWidth, y + boxes.Margin,
                                    boxes.SpindleWidth, boxes.Height};
        layout.Picture4 = PixelRect{figureLeft, y + boxes.Margin, boxes.FigureWidth, boxes.Height};
        y += kFigureBandHeight;
    }
    layout.TitleA = {0, y, modeA.Width, kTitleHeight};
    y += kTitleHeight;
    layout.ModeA = {0, y, modeA.Width, modeA.Height};
    y += modeA.Height;
    if (modeB) {
        y += kPartGap;
        layout.TitleB = PixelRect{0, y, modeB->Width, kTitleHeight};
        y += kTitleHeight;
        layout.ModeB = PixelRect{0, y, modeB->Width, modeB->Height};
        y += modeB->Height;
    }
    if (!ComputeGrooveProfile(job).Path.empty()) {
        y += kPartGap;
        layout.TitleProfile = PixelRect{0, y, layout.Width, kTitleHeight};
        y += kTitleHeight;
        layout.Profile = PixelRect{0, y, layout.Width, modeA.Height};
        y += modeA.Height;
    }
    layout.Height = y;
    return layout;
}

MotionFigures DrawGraphsPicture(const CamJob& job, const GraphsPictureLayout& layout,
                                const GraphStyle& style, std::string_view heading,
                                const PartMaker& make) {
    if (layout.Heading) {
        GraphSurface& line =
            make(*layout.Heading, style.Page, style.PageText, kHeadingPoints, false);
        line.SetCurrentPosition(kInset, kInset);
        line.PrintLine(heading);
    }
    NullSurface noBox;
    GraphSurface& picture5 = layout.Picture5 ? make(*layout.Picture5, style.Page, style.PageText,
                                                    kFigureFontPoints, true)
                                             : noBox;
    GraphSurface& picture4 = layout.Picture4 ? make(*layout.Picture4, style.Page, style.FigureText,
                                                    kFigureFontPoints, true)
                                             : noBox;
    DrawTitle(make(layout.TitleA, style.Page, style.PageText, kTitlePoints, false),
              layout.TitleA.Width, kModeATitle, style, job.SpindleSpeed > 0);
    GraphSurface& picture1 =
        make(layout.ModeA, style.Background, style.Label, kGraphFontPoints, false);
    NullSurface picture3;
    MotionFigures figures = DrawModeAGraph(job, picture1, picture4, picture5, picture3, style);
    DrawSpindleLimit(job, picture1, style);
    if (layout.TitleB && layout.ModeB) {
        DrawTitle(make(*layout.TitleB, style.Page, style.PageText, kTitlePoints, false),
                  layout.TitleB->Width, kModeBTitle, style, false);
        GraphSurface& picture2 =
            make(*layout.ModeB, style.Background, style.Label, kGraphFontPoints, false);
        DrawModeBGraph(job, picture2, picture3, style);
    }
    if (layout.TitleProfile && layout.Profile) {
        GraphSurface& title =
            make(*layout.TitleProfile, style.Page, style.PageText, kTitlePoints, false);
        title.SetCurrentPosition(kInset, 3);
        title.PrintLine(kProfileTitle);
        GraphSurface& profile =
            make(*layout.Profile, style.Background, style.Label, kGraphFontPoints, false);
        DrawGrooveProfile(job, profile, layout.Profile->Width, layout.Profile->Height, style);
    }
    return figures;
}

std::string GraphsSvg(const CamJob& job, SvgGraphSize modeA, std::optional<SvgGraphSize> modeB,
                      const GraphStyle& style, std::string_view heading) {
    const GraphsPictureLayout layout = LayoutGraphsPicture(job, modeA, modeB, !heading.empty());
    std::deque<SvgSurface> surfaces;
    std::vector<SvgPart> parts;
    DrawGraphsPicture(
        job, layout, style, heading,
        [&](const PixelRect& rect, Rgb back, Rgb fore, float points, bool framed) -> GraphSurface& {
            SvgSurface& surface = surfaces.emplace_back(SvgSurfaceOptions{.Width = rect.Width,
                                                                          .Height = rect.Height,
                                                                          .BackColor = back,
                                                                          .ForeColor = fore,
                                                                          .FontPoints = points});
            parts.push_back({.Surface = &surface,
                             .X = static_cast<double>(rect.Left),
                             .Y = static_cast<double>(rect.Top),
                             .Framed = framed});
            return surface;
        });
    return ComposeSvg(layout.Width, layout.Height, style.Page, parts);
}

} // namespace spirolan
