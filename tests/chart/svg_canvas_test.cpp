#include "chart/svg_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <string>
#include <tuple>
#include <utility>

#include "chart/text_metrics.h"

namespace qav {
namespace {

int Count(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// DejaVu Sans: 2048 units per em, ascender 1901, descender 483, '8' 1303, 'W' 2025 units. At
// 8 pt on a 96 dpi screen the rasteriser takes 11 pixels, and cuts each advance to 1/64 pixel:
// the values Qt's metrics give for the same font, unhinted horizontally and without kerning.
TEST(TextMetrics, ShippedFontAsTheRasteriserMeasuresIt)
{
    EXPECT_EQ(ShippedFontFamily(), "DejaVu Sans");
    EXPECT_EQ((std::array{FontPixelSize(8, 96), FontPixelSize(7, 96), FontPixelSize(8, 192)}), (std::array{11, 9, 21}));
    EXPECT_EQ((std::array{FontAscentPx(11), FontDescentPx(11), FontAscentPx(9)}),
              (std::array{10.203125, 2.59375, 8.359375}));
    using Row = std::tuple<const char*, int, double>;  // text, pixels, width of regular type
    for (const auto& [text, pixels, width] : {Row{"W", 11, 10.875}, Row{"88", 11, 13.96875}, Row{"AV", 11, 15.03125},
                                              Row{"Location: Brasília (Brazil)", 11, 136.921875}, Row{"88", 9, 11.4375},
                                              Row{"", 11, 0}, Row{"\U0001F0A1", 11, 11.25}, Row{"\uF0A1", 11, 6.59375},
                                              Row{"\U00020000", 11, 6.59375}, Row{"\x1F~\x7F", 11, 22.390625}})
        EXPECT_DOUBLE_EQ(TextAdvancePx(text, pixels, false), width) << text;
    // Bold is wider; a malformed byte is measured as U+FFFD. A character the font lacks is
    // measured by its missing-glyph box (6.59375 above: U+F0A1, whose low 16 bits are those of
    // the playing card U+1F0A1 the font has, U+20000, and U+001F and U+007F either side of '~').
    EXPECT_GT(TextAdvancePx("Brasília", 11, true), TextAdvancePx("Brasília", 11, false));
    EXPECT_DOUBLE_EQ(TextAdvancePx("\xFF", 11, false), TextAdvancePx("\uFFFD", 11, false));
}

TEST(XmlEscaped, MarkupControlsAndMalformedText)
{
    using Row = std::pair<const char*, const char*>;
    for (const auto& [in, out] :
         {Row{"Tom & Jerry's <\"x\">", "Tom &amp; Jerry&apos;s &lt;&quot;x&quot;&gt;"},
          Row{"a\001b\037c\td\ne", "a\uFFFDb\uFFFDc\td\ne"}, Row{"S\xC3\xA3o", "São"}, Row{"bad\xC3(", "bad\uFFFD("},
          Row{"\xEF\xBF\xBF", "\uFFFD"}, Row{"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"}})
        EXPECT_EQ(XmlEscaped(in), out) << in;
}

// A dotted line is one dashed path; lines that continue one another are one path; dots are one
// <use> each of a shared shape, grouped by colour with their opacity; text is <text> in the
// shipped font with its size, turned by a transform.
// Under a decimal-comma locale too (the window sets LC_NUMERIC from the user's): SVG numbers
// always take a point.
TEST(SvgCanvas, CompactElements)
{
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "pt_BR.UTF-8");
    SvgCanvas svg(1500, 750, 15, 15);  // 100 x 50 pixels
    svg.Clear();
    svg.SetDrawStyle(DrawStyle::Dotted);
    svg.DrawLine(0, 150, 1485, 150);
    svg.SetDrawStyle(DrawStyle::Solid);
    svg.MoveTo(0, 0);
    for (int i = 1; i <= 10; ++i) svg.LineTo(i * 150, i * 45, kBlack);
    svg.DrawLine(0, 700, 300, 700, MakeRgb(255, 0, 0));  // not continuing: a second path
    svg.SetDrawWidth(3);
    svg.SetOpacity(0.35);
    for (int i = 0; i < 5; ++i) svg.SetPixel(300 + i * 15, 300, MakeRgb(0, 0, 255));
    svg.SetPixel(300, 450, MakeRgb(255, 0, 0));
    svg.SetOpacity(1);
    svg.SetDrawWidth(1);
    svg.SetFontBold(true);
    svg.MoveTo(150, 300);
    svg.PrintText("A&B");
    const std::string doc = svg.Document("T<1>", "k: v");
    EXPECT_EQ((std::array{Count(doc, "<path "), Count(doc, "stroke-dasharray=\"1 2\""), Count(doc, "<use "),
                          Count(doc, "<g fill=\"#0000ff\" fill-opacity=\"0.35\">")}),
              (std::array{3, 1, 6, 1}));
    for (const char* part :
         {"<path d=\"M0.5 10.5L99.5 10.5\" stroke=\"#000000\" stroke-dasharray=\"1 2\"",
          "<rect id=\"d3\" width=\"3\" height=\"3\"/>", "<use xlink:href=\"#d3\" x=\"19\" y=\"19\"/>",
          "<text x=\"10\" y=\"30.2\" font-size=\"11\" font-weight=\"bold\" fill=\"#000000\">A&amp;B</text>",
          "<title>T&lt;1&gt;</title>\n<desc>k: v</desc>", "viewBox=\"0 0 100 50\"", "font-family=\"DejaVu Sans\""})
        EXPECT_NE(doc.find(part), std::string::npos) << part;

    // Turned about the current point, 90 degrees counter-clockwise, in the canvas's font; it stays.
    svg.MoveTo(600, 600);
    svg.PrintRotatedText("up");
    svg.PrintText("x");
    const std::string turned = svg.Document("", "");
    EXPECT_NE(turned.find("<text transform=\"translate(40 40) rotate(-90)\" y=\"10.2\" font-size=\"11\" "
                          "font-weight=\"bold\" fill=\"#000000\">up</text>\n<text x=\"40\" y=\"50.2\""),
              std::string::npos);
    EXPECT_DOUBLE_EQ(svg.TextHeight("W"), (10.203125 + 2.59375) * 15);
    std::setlocale(LC_NUMERIC, numeric.c_str());
}

// A turned font is made to whole pixels at the screen's whole dots per inch, as a platform font
// is: 10 pt at 90 dpi is 12.5 pixels, 12 turned (halves to even) where level text has 13.
TEST(SvgCanvas, TurnedFontInWholeScreenPixels)
{
    SvgCanvas svg(1600, 1600, 16, 16);
    svg.SetFontSize(10);
    svg.PrintRotatedText("a");
    svg.PrintText("b");
    EXPECT_NE(svg.Document("", "").find(
                  "y=\"11.14\" font-size=\"12\" fill=\"#000000\">a</text>\n<text x=\"0\" y=\"12.06\" font-size=\"13\""),
              std::string::npos);
}

}  // namespace
}  // namespace qav
