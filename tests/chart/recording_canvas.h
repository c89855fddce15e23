#pragma once
// A canvas that records what is drawn on it, for tests of the drawing procedures. Text extents
// are fixed: 100 units per character at 8 pt, scaled with the font size, 195 units high.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/chart_canvas.h"

namespace qav::testing {

struct RecordedText {
    std::string Text;
    double X = 0, Y = 0;
    Rgb Colour = 0;
    double FontSize = 0;
    bool Bold = false;
    std::size_t OpsBefore = 0;  // how many Ops were drawn before it: what it lies over
};

struct RecordedOp {
    enum Kind { Line, Box, Pixel } What;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Rgb Colour = 0;
    bool Filled = false;
    int Width = 1;
};

class RecordingCanvas final : public ChartCanvas {
  public:
    RecordingCanvas(double width, double height) : width_(width), height_(height) {}

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

    void Clear() override { ++Clears, Texts.clear(), Ops.clear(), x_ = y_ = 0; }
    void MoveTo(double x, double y) override { x_ = x, y_ = y; }
    void DrawLine(double x1, double y1, double x2, double y2) override { DrawLine(x1, y1, x2, y2, fore_); }
    void DrawLine(double x1, double y1, double x2, double y2, Rgb colour) override
    {
        Ops.push_back({RecordedOp::Line, x1, y1, x2, y2, colour, false, drawWidth_});
        x_ = x2, y_ = y2;
    }
    void LineTo(double x, double y, Rgb colour) override { DrawLine(x_, y_, x, y, colour); }
    void DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled) override
    {
        Ops.push_back({RecordedOp::Box, x1, y1, x2, y2, colour, filled, drawWidth_});
    }
    void SetPixel(double x, double y, Rgb colour) override
    {
        Ops.push_back({RecordedOp::Pixel, x, y, x, y, colour, false, drawWidth_});
        x_ = x, y_ = y;
    }
    Rgb GetPixel(double, double) const override { return kWhite; }
    void PrintText(std::string_view utf8) override
    {
        Texts.push_back({std::string(utf8), x_, y_, fore_, size_, bold_, Ops.size()});
    }
    double TextWidth(std::string_view utf8) const override
    {
        ++TextWidthCalls;
        return 100.0 * utf8.size() * size_ / 8;
    }
    mutable int TextWidthCalls = 0;
    double TextHeight(std::string_view) const override { return 195; }
    void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void SetDrawStyle(DrawStyle style) override { style_ = style; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void SetFontSize(double points) override { size_ = points; }
    double FontSize() const override { return size_; }
    void SetForeColour(Rgb colour) override { fore_ = colour; }
    Rgb ForeColour() const override { return fore_; }
    Rgb BackColour() const override { return kWhite; }
    double CanvasWidth() const override { return width_; }
    double CanvasHeight() const override { return height_; }
    FontHandle SelectFont(FontHandle font) override { return std::exchange(font_, font); }

  private:
    double width_, height_, x_ = 0, y_ = 0, size_ = 8;
    int drawWidth_ = 1;
    DrawStyle style_ = DrawStyle::Solid;
    Rgb fore_ = kBlack;
    bool bold_ = false;
    FontHandle font_ = 0;
};

}  // namespace qav::testing
