#include "pipeline/picture_svg.h"

#include "chart/svg_canvas.h"
#include "pipeline/comfort_output.h"
#include "text/stored_country_names.h"

namespace qav {

void DrawPicture(PictureKind kind, ChartCanvas& canvas, const AnalysisState& state, char decimalSeparator,
                 Language language, int highlighted)
{
    if (kind != PictureKind::Chart) {
        // A graph stands alone, without the window's panel: it names its location in its title.
        const LocationRecord& l = state.Current();
        const std::string title = l.LocationName + " (" + std::string(StoredCountryName(language, l.Country)) + ")";
        if (kind == PictureKind::Graph) RenderGraph(canvas, state, language, title);
        if (kind == PictureKind::AdaptiveGraph) RenderAdaptiveGraph(canvas, state, state.Comfort, language, title);
        if (kind == PictureKind::WindRose) RenderWindRoses(canvas, state, language, title);
        return;
    }
    RenderChart(canvas, state, decimalSeparator, language, highlighted);
}

std::string ProvenanceText(const std::vector<std::pair<std::string, std::string>>& provenance)
{
    std::string text;
    for (const auto& [key, value] : provenance) {
        if (!text.empty()) text += '\n';
        text += key + ": " + value;
    }
    return text;
}

std::vector<std::pair<std::string, std::string>> CompareProvenance()
{
    return {{"Software", std::string(kSoftwareName)}};
}

std::string PictureSvg(PictureKind kind, const AnalysisState& state, char decimalSeparator, Language language)
{
    const CanvasRect& r = kind == PictureKind::Chart ? state.Layout.Picture1 : state.Layout.Picture3;
    SvgCanvas canvas(r.Width, r.Height, state.Layout.PixelWidth, state.Layout.PixelHeight);
    DrawPicture(kind, canvas, state, decimalSeparator, language);
    return canvas.Document(PictureTitle(kind, state), ProvenanceText(PictureProvenance(state)));
}

std::string CompareSvg(const std::vector<CompareRow>& rows, const std::string& caption, int pixelWidth, int pixelHeight,
                       Language language)
{
    const CompareLayout layout = MakeCompareLayout(rows, pixelWidth, pixelHeight);
    SvgCanvas canvas(layout.Width, layout.Height, pixelWidth, pixelHeight);
    DrawCompareChart(canvas, layout, rows, caption, DecimalSeparatorOf(language), language);
    return canvas.Document(kCompareTitle, ProvenanceText(CompareProvenance()));
}

}  // namespace qav
