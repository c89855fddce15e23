#include "pictures/pictures.h"

#include <cstdio>
#include <utility>

#include "chart/qt/qimage_canvas.h"
#include "pipeline/picture_svg.h"
#include "pipeline/rendering.h"

namespace qav {
namespace {

constexpr std::size_t kMaxNameBytes = 255;

const CanvasRect& RectOf(PictureKind kind, const AnalysisState& state)
{
    return kind == PictureKind::Chart ? state.Layout.Picture1 : state.Layout.Picture3;
}

QByteArray FromString(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

PictureDescription CompareDescription() { return {kCompareTitle, CompareProvenance()}; }

// The code point of one whole UTF-8 sequence.
char32_t CodePoint(std::string_view sequence)
{
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t point = sequence.size() == 1 ? lead : lead & (0x7F >> sequence.size());
    for (std::size_t k = 1; k < sequence.size(); ++k) point = (point << 6) | (sequence[k] & 0x3F);
    return point;
}

// Unicode 15 general category Cf: soft hyphen, zero-width characters, direction marks, embeddings,
// overrides and isolates, the byte-order mark (U+FEFF), invisible operators, tags.
bool IsFormatCharacter(char32_t p)
{
    constexpr std::pair<char32_t, char32_t> kFormat[] = {
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
        {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
        {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
        {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F}};
    for (const auto& [low, high] : kFormat)
        if (p >= low && p <= high) return true;
    return false;
}

}  // namespace

std::optional<PictureFormat> PictureFormatOf(const std::filesystem::path& path)
{
    std::string suffix = path.extension().string();
    for (char& c : suffix) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (suffix == ".png") return PictureFormat::Png;
    if (suffix == ".svg") return PictureFormat::Svg;
    return std::nullopt;
}

std::string FileNamePart(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x80) {
            const bool alnum = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            out += alnum ? static_cast<char>(c) : '_';
            ++i;
            continue;
        }
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        const std::string_view sequence = name.substr(i, length);
        const auto byte = [&](std::size_t k) {
            return k < sequence.size() ? static_cast<unsigned char>(sequence[k]) : 0u;
        };
        // A lead byte must be followed by its continuation bytes; otherwise it is a stray byte and
        // what follows it is read on its own (it may be a plain character).
        bool whole = c < 0xF8 && sequence.size() == length;
        for (std::size_t k = 1; whole && k < length; ++k) whole = (byte(k) & 0xC0) == 0x80;
        if (!whole) {
            out += '_';
            ++i;
            continue;
        }
        const char32_t point = CodePoint(sequence);
        if (IsFormatCharacter(point)) {  // invisible: nothing in the name to stand for
            i += sequence.size();
            continue;
        }
        const bool blank = (c == 0xC2 && byte(1) < 0xA0) ||       // C1 controls
                           point == 0x2028 || point == 0x2029 ||  // line and paragraph separators
                           length == 1;                           // stray bytes
        out += blank ? std::string("_") : std::string(sequence);
        i += sequence.size();
    }
    return out.empty() ? "QAV" : out;
}

std::string CleanFileName(std::string_view prefix, std::string_view name, std::string_view suffix)
{
    std::string part = FileNamePart(name);
    const std::size_t fixed = prefix.size() + suffix.size();
    const std::size_t room = fixed < kMaxNameBytes ? kMaxNameBytes - fixed : 0;
    if (part.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(part[cut]) & 0xC0) == 0x80) --cut;
        part.resize(cut);
    }
    return std::string(prefix) + part + std::string(suffix);
}

std::string SuggestedFileName(const AnalysisState& state, std::string_view what, std::string_view extension)
{
    return CleanFileName({}, state.Current().LocationName, " - " + std::string(what) + std::string(extension));
}

std::string RunPictureName(int position, const AnalysisState& state, const char* kind)
{
    return RunFileName(position, state.CurrentLocation, state.Current().LocationName, kind);
}

std::string RunFileName(int position, int slot, std::string_view name, const char* kind)
{
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%04d-%02d-", position, slot);
    return CleanFileName(prefix, name, kind ? std::string("-") + kind + ".png" : ".png");
}

QImage RenderPictureImage(PictureKind kind, const AnalysisState& state, double devicePixelRatio, char decimalSeparator,
                          Language language, int highlighted)
{
    const CanvasRect& r = RectOf(kind, state);
    QImageCanvas canvas(r.Width, r.Height, state.Layout.PixelWidth, state.Layout.PixelHeight, devicePixelRatio);
    DrawPicture(kind, canvas, state, decimalSeparator, language, highlighted);
    return DescribedImage(canvas.Image(), {PictureTitle(kind, state), PictureProvenance(state)});
}

QByteArray RenderPictureFile(PictureKind kind, const AnalysisState& state, PictureFormat format, double pixelRatio,
                             char decimalSeparator, Language language)
{
    if (format != PictureFormat::Svg)
        return PngBytes(RenderPictureImage(kind, state, format == PictureFormat::Png2x ? 2 : pixelRatio,
                                           decimalSeparator, language));
    return FromString(PictureSvg(kind, state, decimalSeparator, language));
}

QByteArray RenderCompareFile(const std::vector<CompareRow>& rows, const std::string& caption, int pixelWidth,
                             int pixelHeight, PictureFormat format, Language language)
{
    if (format == PictureFormat::Svg) return FromString(CompareSvg(rows, caption, pixelWidth, pixelHeight, language));
    const CompareLayout layout = MakeCompareLayout(rows, pixelWidth, pixelHeight);
    const PictureDescription description = CompareDescription();
    QImageCanvas canvas(layout.Width, layout.Height, pixelWidth, pixelHeight, format == PictureFormat::Png2x ? 2 : 1);
    DrawCompareChart(canvas, layout, rows, caption, DecimalSeparatorOf(language), language);
    return PngBytes(DescribedImage(canvas.Image(), description));
}

}  // namespace qav
