// SPDX-License-Identifier: GPL-3.0-or-later
// RecordingSurface: a GraphSurface that keeps every operation, so tests can check what is drawn.
#pragma once

#include "graphics/graph_surface.h"
#include "graphics/surface_geometry.h"

#include <string>
#include <vector>

namespace spirolan {

/// One recorded operation. Which fields hold what depends on `kind`:
/// SetBackColor, SetForeColor: `color`. SetScale: left, top, width, height in x1, y1, x2, y2.
/// DrawLine: the ends (x1, y1)-(x2, y2) and `color`. SetFontSize: the points in x1.
/// SetCurrentPosition: x1, y1. PrintLine: `text`, its top-left corner in x1, y1, the text colour
/// in `color` and the font size in x2. SetPointer: `pointer`. FillRect: the corner in x1, y1,
/// the size in x2, y2, and `color`. Clear and Show: nothing.
struct SurfaceOp {
    enum class Kind {
        SetBackColor,
        Clear,
        SetScale,
        DrawLine,
        SetForeColor,
        SetFontSize,
        SetCurrentPosition,
        PrintLine,
        SetPointer,
        Show,
        FillRect
    };
    Kind kind = Kind::Clear;
    Rgb color{};
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    PointerShape pointer = PointerShape::Normal;
    std::string text{};
};

/// Records the operations in the order they come, as given (nothing is clipped or refused), and
/// tracks the text position and measures texts (in Arial) as a client rectangle of `widthPx` x
/// `heightPx` pixels would. Measuring is not an operation: it is not recorded.
class RecordingSurface final : public GraphSurface {
public:
    explicit RecordingSurface(double widthPx = 1200, double heightPx = 420);

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

    const std::vector<SurfaceOp>& Ops() const { return ops_; }
    /// The recorded operations of one kind, in order.
    std::vector<SurfaceOp> OpsOf(SurfaceOp::Kind kind) const;
    /// The lines drawn in `color`, in order.
    std::vector<SurfaceOp> LinesIn(Rgb color) const;
    /// The texts printed, in order.
    std::vector<std::string> Texts() const;

    /// A printed text's box in pixels of the client rectangle, measured as TextWidth and
    /// TextHeight measure it under the scale that was in force when it was printed.
    struct TextBox {
        std::string Text;
        double Left = 0;
        double Top = 0;
        double Right = 0;
        double Bottom = 0;
    };
    /// The boxes of the texts printed since the last Clear, in order.
    std::vector<TextBox> TextBoxes() const { return boxes_; }

private:
    std::vector<SurfaceOp> ops_;
    std::vector<TextBox> boxes_;
    SurfaceGeometry geometry_;
    Rgb foreColor_{};
    float fontPoints_ = 9.75f;
    float textX_ = 0;
    float textY_ = 0;
};

} // namespace spirolan
