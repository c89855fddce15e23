#include "pictures/pictures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdlib>
#include <array>
#include <fstream>
#include <tuple>
#include <utility>
#include <gtest/gtest.h>

#include "pictures/report_pdf.h"
#include "pipeline/compare.h"
#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs qav-cli with the arguments and an environment prefix; true on exit status 0.
bool RunCli(const std::string& arguments, const std::string& environment = {})
{
    const std::string command = environment + " " + QAV_CLI + " " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool WellFormed(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) reader.readNext();
    return !reader.hasError();
}

TEST(PictureNames, OneRuleForTheWindowAndTheRun)
{
    using Row = std::pair<const char*, const char*>;
    // Format characters are dropped: override, zero-width space, byte-order mark, soft hyphen, a
    // tag; a line separator is a blank.
    for (const auto& [name, part] :
         {Row{"Brasília", "Brasília"}, Row{"São Paulo/SP", "São_Paulo_SP"}, Row{"a<b>&\"c\"", "a_b___c_"},
          Row{"..", "__"}, Row{"", "QAV"}, Row{"x\u202Ey\u200Bz", "xyz"},
          Row{"\uFEFFBras\u00ADília\U000E0041", "Brasília"}, Row{"a\u2028b", "a_b"}, Row{"\uFEFF", "QAV"},
          Row{"bad\xFFtail", "bad_tail"}, Row{"cut\xC3", "cut_"}, Row{"\xE2(ok", "__ok"},
          Row{"tab\tnew\nline", "tab_new_line"}})
        EXPECT_EQ(FileNamePart(name), part) << name;
    // Cut to 255 bytes on a character boundary: 'é' is two bytes.
    const std::string name = CleanFileName("0001-01-", std::string(200, 'e') + "éééééééééééééééééééééééééé", ".png");
    EXPECT_EQ((std::pair{name.size(), name.ends_with("é.png")}), (std::pair{std::size_t{254}, true}));

    PipelineSession session;
    EXPECT_EQ(SuggestedFileName(session.state, "chart", ".svg"), "Brasília - chart.svg");
    EXPECT_EQ(RunPictureName(7, session.state) + " " + RunPictureName(7, session.state, "graph"),
              "0007-05-Brasília.png 0007-05-Brasília-graph.png");
    EXPECT_TRUE(PictureFormatOf("a/b.SVG") == PictureFormat::Svg && PictureFormatOf("b.Png") == PictureFormat::Png &&
                !PictureFormatOf("b.jpg"));
}

// qav-cli's picture and report options write exactly the bytes of the functions the window saves
// and copies with, for the chart, the graph (which names its location everywhere), the compare
// picture and the report. They come from the shipped font: qav-cli runs with a font configuration
// that cannot be read (so no system font at all).
TEST(PictureFiles, QavCliWritesTheWindowsFilesWithoutTheSystemsFonts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string d = dir.path().toStdString();
    ASSERT_TRUE(std::ofstream(d + "/broken.conf") << "<fontconfig><unclosed");
    const std::string env = "SOURCE_DATE_EPOCH=1 FONTCONFIG_FILE=" + d + "/broken.conf";
    for (const std::string& arguments : {"--chart " + d + "/c.png --graph " + d + "/g.svg --report " + d + "/r.pdf",
                                         "--chart " + d + "/c.svg --graph " + d + "/g.png",
                                         "--dataset world --all --compare-chart " + d + "/w.png --sort E",
                                         "--dataset world --all --compare-chart " + d + "/w.svg --sort E"})
        ASSERT_TRUE(RunCli("analyze " + arguments, env)) << arguments;

    PipelineSession session;
    for (PictureFormat format : {PictureFormat::Png, PictureFormat::Svg}) {
        const QString suffix = format == PictureFormat::Svg ? QStringLiteral(".svg") : QStringLiteral(".png");
        SCOPED_TRACE(suffix.toStdString());
        EXPECT_EQ(ReadAll(dir.filePath("c" + suffix)), RenderPictureFile(PictureKind::Chart, session.state, format));
        EXPECT_EQ(ReadAll(dir.filePath("g" + suffix)), RenderPictureFile(PictureKind::Graph, session.state, format));
    }
    EXPECT_EQ(ReadAll(dir.filePath("r.pdf")), RenderReportPdf(session.state, Paper::A4, Language::English, 1));
    EXPECT_TRUE(ReadAll(dir.filePath("g.svg")).contains(">Brasília (Brazil)</text>"));
    // In Portuguese the chart's legend and the graph's title name the country in Portuguese.
    for (PictureKind kind : {PictureKind::Chart, PictureKind::Graph})
        EXPECT_TRUE(QString::fromUtf8(
                        RenderPictureFile(kind, session.state, PictureFormat::Svg, 1, ',', Language::PortugueseBrazil))
                        .contains(QString::fromUtf8("Brasília (Brasil)</text>")));

    ShowDataSet(session.state, DataSetKind::World, session.canvases);
    std::vector<CompareRow> rows = CompareLocations(session.state);
    SortCompareRows(rows, {CompareSortKey::Strategy, 5});
    const int pw = session.state.Layout.PixelWidth, ph = session.state.Layout.PixelHeight;
    EXPECT_EQ(ReadAll(dir.filePath("w.png")), RenderCompareFile(rows, "", pw, ph, PictureFormat::Png));
    EXPECT_EQ(ReadAll(dir.filePath("w.svg")), RenderCompareFile(rows, "", pw, ph, PictureFormat::Svg));
}

// Compact, well-formed SVG: sizes measured when the SVG canvas replaced Qt's generator (Brasília's
// chart 68.6 kB, Chicago's recorded hours 411 kB) with a margin for small changes of the drawing.
TEST(PictureFiles, SvgIsCompactAndWellFormed)
{
    PipelineSession session;
    const QByteArray chart = RenderPictureFile(PictureKind::Chart, session.state, PictureFormat::Svg);
    EXPECT_EQ((std::array{WellFormed(chart), chart.size() < 80'000,
                          chart.contains("<title>Bioclimatic chart of Brasília (Brazil)</title>"),
                          chart.contains("\nPressure: 88.251 kPa\n")}),
              (std::array{true, true, true, true}));
    session.ShowWeatherFile("chicago.epw");
    session.state.View = HoursView::Recorded;
    session.Run();
    const QByteArray recorded = RenderPictureFile(PictureKind::Chart, session.state, PictureFormat::Svg);
    // 8760: one three-pixel dot per hour.
    EXPECT_EQ((std::tuple{WellFormed(recorded), recorded.size() < 500'000, recorded.count("<use xlink:href=\"#d3\""),
                          recorded.contains("fill-opacity=\"0.35\"")}),
              (std::tuple{true, true, 8760, true}));
}

}  // namespace
}  // namespace qav
