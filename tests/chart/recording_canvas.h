#pragma once
// A canvas that records what is drawn on it, for tests of the drawing procedures. Text extents
// are fixed: 100 units per character at 8 pt, scaled with the font size, 195 units high. The pen
// state is the one every canvas keeps, with one canvas unit a pixel.
#include <string>
#include <string_view>
#include <vector>

#include "chart/pen_canvas.h"

namespace qav::testing {

struct RecordedText {
    std::string Text;
    double X = 0, Y = 0;
    Rgb Colour = 0;
    double FontSize = 0;
    bool Bold = false;
    bool Rotated = false;       // PrintRotatedText
    std::size_t OpsBefore = 0;  // how many Ops were drawn before it: what it lies over
};

struct RecordedOp {
    enum Kind { Line, Box, Pixel } What;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Rgb Colour = 0;
    bool Filled = false;
    int Width = 1;
};

class RecordingCanvas final : public PenCanvas {
  public:
    RecordingCanvas(double width, double height) : PenCanvas(width, height, 1, 1) {}

    std::vector<RecordedText> Texts;
    std::vector<RecordedOp> Ops;
    int Clears = 0;
    int DrawWidth() const { return drawWidth_; }
    DrawStyle Style() const { return style_; }
    const RecordedText* FindText(std::string_view text) const
    {
        for (const RecordedText& t : Texts)
            if (t.Text == text) return &t;
        return nullptr;
    }

    void Clear() override { ++Clears, Texts.clear(), Ops.clear(), curX_ = curY_ = 0; }
    using PenCanvas::DrawLine;
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override
    {
        Ops.push_back({RecordedOp::Line, x1, y1, x2, y2, colour, false, drawWidth_});
        curX_ = x2, curY_ = y2;
    }
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override
    {
        Ops.push_back({RecordedOp::Box, x1, y1, x2, y2, colour, filled, drawWidth_});
    }
    void SetPixel(double x, double y, Rgb colour) override
    {
        Ops.push_back({RecordedOp::Pixel, x, y, x, y, colour, false, drawWidth_});
        curX_ = x, curY_ = y;
    }
    Rgb GetPixel(double, double) const override { return kWhite; }
    void PrintText(std::string_view utf8) override
    {
        Texts.push_back({std::string(utf8), curX_, curY_, fore_, points_, bold_, false, Ops.size()});
    }
    void PrintRotatedText(std::string_view utf8) override
    {
        Texts.push_back({std::string(utf8), curX_, curY_, fore_, points_, bold_, true, Ops.size()});
    }
    double TextWidth(std::string_view utf8) const override
    {
        ++TextWidthCalls;
        return 100.0 * utf8.size() * points_ / 8;
    }
    mutable int TextWidthCalls = 0;
    double TextHeight(std::string_view) const override { return 195; }
};

}  // namespace qav::testing
