// SPDX-License-Identifier: GPL-3.0-or-later
// NullSurface: a surface that keeps nothing, for the read-out box of a picture no pointer reaches.
#pragma once

#include "graphics/graph_surface.h"

namespace spirolan {

class NullSurface final : public GraphSurface {
public:
    void SetBackColor(Rgb) override {}
    void Clear() override {}
    void SetScale(float, float, float, float) override {}
    void DrawLine(float, float, float, float, Rgb) override {}
    void SetForeColor(Rgb) override {}
    void SetFontSize(float) override {}
    void SetCurrentPosition(float, float) override {}
    void PrintLine(std::string_view) override {}
    float TextWidth(std::string_view) override { return 0; }
    float TextHeight() override { return 0; }
    void FillRect(float, float, float, float, Rgb) override {}
    void SetPointer(PointerShape) override {}
    void Show() override {}
};

} // namespace spirolan
