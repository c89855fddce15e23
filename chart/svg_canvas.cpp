#include "chart/svg_canvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "chart/canvas_geometry.h"
#include "chart/text_metrics.h"
#include "core/text_format.h"

namespace qav {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kMaxPixels = 16384;  // per side, as the raster pictures

bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

// Appends the shortest of up to two decimals: coordinates are whole or half pixels. Always a
// decimal point, whatever the C library's numeric locale says (the window sets it from the user's).
// A chart writes thousands of them, so whole and half values skip the general formatting.
void AppendNum(std::string& out, double v)
{
    if (std::fabs(v) < 1e15 && v * 2 == std::floor(v * 2)) {
        const double whole = std::trunc(v);
        if (v < 0 && whole == 0 && v != whole) out += '-';  // -0.5: the integer part has no sign
        char digits[24];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, static_cast<long long>(whole)).ptr);
        if (v != whole) out += ".5";
        return;
    }
    std::string s = FormatFixed(v, 2);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    out += s;
}

std::string Num(double v)
{
    std::string s;
    AppendNum(s, v);
    return s;
}

void AppendColour(std::string& out, Rgb c)
{
    constexpr char kHex[] = "0123456789abcdef";
    out += '#';
    for (const int part : {RedOf(c), GreenOf(c), BlueOf(c)}) {
        out += kHex[(part >> 4) & 15];
        out += kHex[part & 15];
    }
}

std::string Colour(Rgb c)
{
    std::string s;
    AppendColour(s, c);
    return s;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int Side(double units, int pixel)
{
    if (!(std::isfinite(units) && units > 0)) return 0;
    return static_cast<int>(std::min(std::ceil(units / pixel), kMaxPixels));
}

}  // namespace

std::string XmlEscaped(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    ForEachCodePoint(utf8, [&out](char32_t c) {
        switch (c) {
            case '&':
                out += "&amp;";
                return;
            case '<':
                out += "&lt;";
                return;
            case '>':
                out += "&gt;";
                return;
            case '"':
                out += "&quot;";
                return;
            case '\'':
                out += "&apos;";
                return;
            default:
                break;
        }
        const bool allowed = c == '\t' || c == '\n' || (c >= 0x20 && c != 0xFFFE && c != 0xFFFF);
        AppendUtf8(out, allowed ? c : char32_t{0xFFFD});
    });
    return out;
}

SvgCanvas::SvgCanvas(double canvasWidth, double canvasHeight, int pixelWidth, int pixelHeight)
    : PenCanvas(canvasWidth, canvasHeight, pixelWidth, pixelHeight),
      columns_(Side(width_, pixelWidth_)),
      rows_(Side(height_, pixelHeight_))
{
}

int SvgCanvas::PixelSize(double points) const { return FontPixelSize(points, kTwipsPerInch / pixelHeight_); }

void SvgCanvas::EndPath()
{
    if (path_.empty()) return;
    body_.append("<path d=\"").append(path_).append("\"").append(pathStyle_).append("/>\n");
    path_.clear();
}

void SvgCanvas::EndDots()
{
    if (dotsStyle_.empty()) return;
    body_ += "</g>\n";
    dotsStyle_.clear();
}

void SvgCanvas::Clear()
{
    EndPath();
    EndDots();
    body_.clear();
    dotSizes_.clear();
    body_ += "<rect width=\"" + std::to_string(columns_) + "\" height=\"" + std::to_string(rows_) +
             "\" fill=\"#ffffff\"/>\n";
    curX_ = curY_ = 0;
}

void SvgCanvas::DrawLine(double x1, double y1, double x2, double y2, Rgb colour)
{
    PaintLine(x1, y1, x2, y2, colour);
    curX_ = x2;
    curY_ = y2;
}

void SvgCanvas::PaintLine(double x1, double y1, double x2, double y2, Rgb colour)
{
    if (!Finite(x1, y1) || !Finite(x2, y2)) return;
    // Through the centres of the end points' pixels, as the raster pictures draw them.
    double px1 = std::floor(x1 / pixelWidth_) + 0.5, py1 = std::floor(y1 / pixelHeight_) + 0.5;
    double px2 = std::floor(x2 / pixelWidth_) + 0.5, py2 = std::floor(y2 / pixelHeight_) + 0.5;
    const double margin = drawWidth_ + 2.0;
    if (!ClipSegment(px1, py1, px2, py2, -margin, -margin, columns_ + margin, rows_ + margin)) return;
    // The attributes are written again only when what they say has changed.
    const StyleKey key{colour, drawWidth_, style_, opacity_};
    if (lineStyle_.empty() || !(key == lineKey_)) {
        lineKey_ = key;
        std::string& style = lineStyle_;
        style = " stroke=\"";
        AppendColour(style, colour);
        style += '"';
        if (drawWidth_ != 1) style += " stroke-width=\"" + std::to_string(drawWidth_) + "\"";
        if (style_ == DrawStyle::Dotted && drawWidth_ == 1)
            style += " stroke-dasharray=\"1 2\" stroke-linecap=\"butt\"";  // one-pixel dots, two-pixel gaps
        else if (drawWidth_ != 1)
            style += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";  // joins the short steps of a polyline
        if (opacity_ < 1) style += " stroke-opacity=\"" + Num(opacity_) + "\"";
    }
    EndDots();
    if (path_.empty() || lineStyle_ != pathStyle_ || px1 != pathX_ || py1 != pathY_) {
        EndPath();
        pathStyle_ = lineStyle_;
        path_ = 'M';
        AppendNum(path_, px1);
        path_ += ' ';
        AppendNum(path_, py1);
    }
    path_ += 'L';
    AppendNum(path_, px2);
    path_ += ' ';
    AppendNum(path_, py2);
    pathX_ = px2;
    pathY_ = py2;
}

void SvgCanvas::DrawBox(double x1, double y1, double x2, double y2, Rgb colour, bool filled)
{
    curX_ = x2;
    curY_ = y2;
    if (!Finite(x1, y1) || !Finite(x2, y2)) return;
    if (!filled) {
        PaintLine(x1, y1, x2, y1, colour);
        PaintLine(x2, y1, x2, y2, colour);
        PaintLine(x2, y2, x1, y2, colour);
        PaintLine(x1, y2, x1, y1, colour);
        return;
    }
    EndPath();
    EndDots();
    const double limitX = columns_ + 1.0, limitY = rows_ + 1.0;
    const double c1 = std::clamp(std::floor(std::min(x1, x2) / pixelWidth_), -1.0, limitX);
    const double c2 = std::clamp(std::floor(std::max(x1, x2) / pixelWidth_), -1.0, limitX);
    const double r1 = std::clamp(std::floor(std::min(y1, y2) / pixelHeight_), -1.0, limitY);
    const double r2 = std::clamp(std::floor(std::max(y1, y2) / pixelHeight_), -1.0, limitY);
    body_ += "<rect x=\"" + Num(c1) + "\" y=\"" + Num(r1) + "\" width=\"" + Num(c2 - c1 + 1) + "\" height=\"" +
             Num(r2 - r1 + 1) + "\" fill=\"" + Colour(colour) + "\"" +
             (opacity_ < 1 ? " fill-opacity=\"" + Num(opacity_) + "\"" : std::string()) + "/>\n";
}

void SvgCanvas::SetPixel(double x, double y, Rgb colour)
{
    curX_ = x;
    curY_ = y;
    if (!Finite(x, y)) return;
    const double left = std::floor(x / pixelWidth_), top = std::floor(y / pixelHeight_);
    if (left < -drawWidth_ || top < -drawWidth_ || left > columns_ || top > rows_) return;
    const int first = -(drawWidth_ - 1) / 2;  // the same square as the raster canvas
    // Dots of one colour and size share a group; each is a <use> of the size's symbol, so dense
    // translucent dots darken one another as they do in the raster picture.
    const StyleKey key{colour, drawWidth_, DrawStyle::Solid, opacity_};
    if (dotStyle_.empty() || !(key == dotKey_)) {
        dotKey_ = key;
        dotStyle_ = " fill=\"";
        AppendColour(dotStyle_, colour);
        dotStyle_ += '"';
        if (opacity_ < 1) dotStyle_ += " fill-opacity=\"" + Num(opacity_) + "\"";
    }
    EndPath();
    if (dotStyle_ != dotsStyle_) {
        EndDots();
        body_.append("<g").append(dotStyle_).append(">\n");
        dotsStyle_ = dotStyle_;
    }
    dotSizes_[drawWidth_] = true;
    body_.append("<use xlink:href=\"#d").append(std::to_string(drawWidth_)).append("\" x=\"");
    AppendNum(body_, left + first);
    body_ += "\" y=\"";
    AppendNum(body_, top + first);
    body_ += "\"/>\n";
}

void SvgCanvas::PrintText(std::string_view utf8)
{
    if (!Finite(curX_, curY_)) return;
    const int pixels = PixelSize(points_);
    const double left = std::floor(curX_ / pixelWidth_), top = std::floor(curY_ / pixelHeight_);
    AppendText("<text x=\"" + Num(left) + "\" y=\"" + Num(top + FontAscentPx(pixels)) + "\"", pixels, utf8);
    curX_ += TextAdvancePx(utf8, pixels, bold_) * pixelWidth_;
}

void SvgCanvas::PrintRotatedText(std::string_view utf8)
{
    if (!Finite(curX_, curY_)) return;
    const int pixels = PixelSize(RotatedFontPoints());
    const double left = std::floor(curX_ / pixelWidth_), top = std::floor(curY_ / pixelHeight_);
    // Turned about the current point: the cell's top-left corner stays there.
    AppendText("<text transform=\"translate(" + Num(left) + " " + Num(top) + ") rotate(-90)\" y=\"" +
                   Num(FontAscentPx(pixels)) + "\"",
               pixels, utf8);
}

void SvgCanvas::AppendText(std::string element, int pixels, std::string_view utf8)
{
    EndPath();
    EndDots();
    element += " font-size=\"" + std::to_string(pixels) + "\"";
    if (bold_) element += " font-weight=\"bold\"";
    element += " fill=\"" + Colour(fore_) + "\"";
    if (opacity_ < 1) element += " fill-opacity=\"" + Num(opacity_) + "\"";
    body_.append(element).append(">").append(XmlEscaped(utf8)).append("</text>\n");
}

double SvgCanvas::TextWidth(std::string_view utf8) const
{
    return TextAdvancePx(utf8, PixelSize(points_), bold_) * pixelWidth_;
}

double SvgCanvas::TextHeight(std::string_view) const
{
    const int pixels = PixelSize(points_);
    return (FontAscentPx(pixels) + FontDescentPx(pixels)) * pixelHeight_;
}

std::string SvgCanvas::Document(std::string_view title, std::string_view description)
{
    EndPath();
    EndDots();
    // The dots' shared shapes are plain rectangles: renderers of SVG Tiny (Qt's among them)
    // do not draw a <use> of a <symbol>.
    std::string defs;
    for (const auto& [side, used] : dotSizes_)
        if (used)
            defs += "<rect id=\"d" + std::to_string(side) + "\" width=\"" + std::to_string(side) + "\" height=\"" +
                    std::to_string(side) + "\"/>\n";
    // The printed size follows from the screen's resolution, as for the raster pictures.
    const double mmPerPixel = 25.4 * pixelHeight_ / kTwipsPerInch;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\""
           " width=\"" +
           Num(columns_ * mmPerPixel) + "mm\" height=\"" + Num(rows_ * mmPerPixel) + "mm\" viewBox=\"0 0 " +
           std::to_string(columns_) + " " + std::to_string(rows_) + "\">\n<title>" + XmlEscaped(title) +
           "</title>\n<desc>" + XmlEscaped(description) + "</desc>\n<defs>\n" + defs +
           "</defs>\n<g fill=\"none\" stroke-linecap=\"square\" font-family=\"" + std::string(ShippedFontFamily()) +
           "\" xml:space=\"preserve\">\n" + body_ + "</g>\n</svg>\n";
}

}  // namespace qav
