#include "pictures/report_pdf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>

#include "tests/pipeline/pipeline_session.h"

namespace qav {
namespace {

constexpr std::int64_t kEpoch = 1700000000;  // 2023-11-14 22:13:20 UTC

// The standard output of a shell command (poppler's tools, qav-cli).
std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Pages(const std::string& pdf)
{
    std::smatch m;
    const std::string info = Output("pdfinfo " + pdf);
    return std::regex_search(info, m, std::regex("Pages: +([0-9]+)")) ? std::stoi(m[1]) : 0;
}

class ReportPdf : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    /// Writes the report of the session's state and returns its path.
    std::string Save(const char* name, Paper paper = Paper::A4)
    {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        EXPECT_EQ(SaveReport(session_.state, path, paper, Language::English, kEpoch), QString());
        return path.toStdString();
    }
    QTemporaryDir dir_;
    PipelineSession session_;
};

// What a reader finds: the location, every share on its row, the advice for the top three; the
// text is selectable, the fonts embedded, the chart and graph vector, on two to six pages.
TEST_F(ReportPdf, TextFontsVectorAndPages)
{
    const std::string pdf = Save("b.pdf");
    const std::string text = Output("pdftotext -layout " + pdf + " -");
    EXPECT_NE(text.find("Bioclimatic analysis of Brasília (Brazil)"), std::string::npos);
    // A row of the shares table and a heading of the advice, as laid out (their figures: the
    // report's own test).
    for (const char* line :
         {"1 +E - Thermal Comfort +36.8", "\nB - Solar Heating +30\\.2 % \\(serves 121 h, 42\\.0 % of the hours\\)\n",
          "Page 6 of 6"})
        EXPECT_TRUE(std::regex_search(text, std::regex(line))) << line;
    const std::string fonts = Output("pdffonts " + pdf);
    EXPECT_NE(fonts.find("DejaVuSans "), std::string::npos);
    EXPECT_FALSE(std::regex_search(fonts, std::regex("Identity-H +no "))) << fonts;
    const std::string images = Output("pdfimages -list " + pdf);
    EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;  // its header: no raster image
    EXPECT_EQ(Pages(pdf), 6);  // with the sun and shade and the adaptive comfort
    EXPECT_NE(Output("pdfinfo " + pdf).find("595 x 842 pts (A4)"), std::string::npos);

    // Letter paper; a weather file; every strategy qualifying (the longest advice): still 2-6 pages.
    EXPECT_NE(Output("pdfinfo " + Save("letter.pdf", Paper::Letter)).find("612 x 792 pts (letter)"), std::string::npos);
    session_.ShowWeatherFile("chicago.epw");
    const std::string chicago = Save("chicago.pdf");
    EXPECT_EQ(Pages(chicago), 6);
    // Its chart shows the recorded hours its advice follows, though the window shows typical days.
    EXPECT_NE(Output("pdftotext " + chicago + " -").find("Recorded hours (8760 h of the"), std::string::npos);
    for (int s = 1; s <= 10; ++s) session_.state.RecordedTally.YearShare[s] = 10;
    EXPECT_EQ(Pages(Save("every.pdf")), 6);
}

// The window's Export report and qav-cli --report write the same bytes for the same analysis, and
// a given SOURCE_DATE_EPOCH makes them reproducible: the creation date is that time. In Portuguese
// the names and the decimal commas are the report's own.
TEST_F(ReportPdf, CliWritesTheWindowsBytesReproducibly)
{
    const std::string d = dir_.path().toStdString();
    const std::string cli = "SOURCE_DATE_EPOCH=" + std::to_string(kEpoch) + " " + QAV_CLI;
    Output(cli + " analyze --report " + d + "/cli.pdf --paper letter --lang pt_BR");
    Output(cli + " analyze --report " + d + "/again.pdf --paper letter --lang pt_BR");
    const QByteArray window = RenderReportPdf(session_.state, Paper::Letter, Language::PortugueseBrazil, kEpoch);
    EXPECT_EQ(ReadAll(dir_.filePath("cli.pdf")), window);
    EXPECT_EQ(ReadAll(dir_.filePath("again.pdf")), window);
    EXPECT_NE(Output("pdfinfo " + d + "/cli.pdf").find("CreationDate:    Tue Nov 14 22:13:20 2023 UTC"),
              std::string::npos);
    EXPECT_TRUE(window.contains("<xmp:CreateDate>2023-11-14T22:13:20Z</xmp:CreateDate>"));
    const std::string text = Output("pdftotext -layout " + d + "/cli.pdf -");  // Portuguese names, decimal commas
    for (const char* expected : {"Análise bioclimática de Brasília \\(Brasil\\)", "E - Conforto térmico +36,8 %",
                                 "88,251 kPa \\(calculada para 1150 m\\)", "Diretrizes de projeto", "Página 1 de 6"})
        EXPECT_TRUE(std::regex_search(text, std::regex(expected))) << expected;

    // In place and at its length, whatever zone Qt wrote.
    EXPECT_EQ(WithCreationDate("/CreationDate (D:20261207101500+01'00')", kEpoch),
              "/CreationDate (D:20231114221320+00'00')");
    EXPECT_EQ(WithCreationDate("/CreationDate (D:20261207101500Z)", kEpoch), "/CreationDate (D:20231114221320Z)");

    // qav-cli credits a weather file by its name and header, never by its folders.
    const std::string epw = std::string(QAV_FIXTURES_DIR) + "/chicago.epw";
    Output(std::string(QAV_CLI) + " analyze --epw " + epw + " --report " + d + "/epw.pdf");
    const std::string epwText = Output("pdftotext " + d + "/epw.pdf -");
    EXPECT_NE(epwText.find("weather file chicago.epw, location from its header"), std::string::npos);
    EXPECT_EQ(epwText.find(QAV_FIXTURES_DIR), std::string::npos);

    // --report-dir: one report per location, named as pictures are.
    Output(std::string(QAV_CLI) + " analyze --dataset brazil:5 --dataset brazil:6 --report-dir " + d + "/reports");
    EXPECT_EQ(QDir(dir_.filePath("reports")).entryList(QDir::Files),
              (QStringList{"0001-05-Brasília.pdf", "0002-06-Campo_Grande.pdf"}));
}

// qav-cli's reports credit each input to itself on the page and name no folder of the disk,
// within six pages; Cuiabá's Portuguese report is set tighter rather than leave its references
// alone on a seventh.
TEST_F(ReportPdf, CliReportsNameTheirInput)
{
    const std::string d = dir_.path().toStdString(), cli = std::string(QAV_CLI) + " ";
    Output(cli + "export-dataset world > " + d + "/QAVmine.TXT");
    using Row = std::pair<std::string, std::vector<const char*>>;  // arguments, lines found
    for (const auto& [args, lines] : {
             Row{"--dataset world:37", {"Oslo \\(Norway\\)", "Source +built-in data set World, normals 1961-1990"}},
             Row{"--dataset south-america:8 --lang pt_BR",
                 {"La Paz \\(Bolívia\\)", "Fonte +base de dados interna América do Sul", "Dados: normais"}},
             Row{"--file " + d + "/QAVmine.TXT --location 37",
                 {"Source +Monthly Data file QAVmine.TXT; source field BBC", "Data: the Monthly Data file"}},
             Row{"--station 83377", {"Source +Station WMO 83377, normals 1991-2020", "Data: WMO Climatological"}},
             Row{"--dataset brazil:2 --warming 2",
                 {"Warming +\\+2 °C", "January +24.0 \\* +33.0 \\* +89.0", "\\* Warmed normals: \\+2 °C added"}},
             Row{"--dataset brazil:7 --lang pt_BR", {"Cuiabá \\(Brasil\\)", "Página 6 de 6"}},
         }) {
        SCOPED_TRACE(args);
        Output(cli + "analyze " + args + " --report " + d + "/r.pdf");
        const std::string text = Output("pdftotext -layout " + d + "/r.pdf -");
        for (const char* line : lines) EXPECT_TRUE(std::regex_search(text, std::regex(line))) << line;
        EXPECT_EQ(text.find(d), std::string::npos);
        EXPECT_GE(Pages(d + "/r.pdf"), 5);
        EXPECT_LE(Pages(d + "/r.pdf"), 6);
    }
}

// Names in scripts the shipped font lacks are drawn from the fallback fonts, embedded, and stay in
// the text layer; a name without spaces too long for a line is elided on the pages and kept whole
// in the document's title.
TEST_F(ReportPdf, NamesInAnyScriptAndOfAnyLengthStayOnThePage)
{
    std::string& name = session_.state.Locations.Slot[session_.state.CurrentLocation].LocationName;
    struct Row {
        const char* name;
        const char* font;  // the font that draws its letters
    };
    for (const Row& row : {Row{"北京市", "DroidSansFallback"}, Row{"東京都", "DroidSansFallback"},
                           Row{"القاهرة", "DejaVuSans "}, Row{"नई दिल्ली", "Lohit-Devanagari"}}) {
        SCOPED_TRACE(row.name);
        name = row.name;
        const std::string pdf = Save("script.pdf");
        const std::string fonts = Output("pdffonts " + pdf);
        EXPECT_NE(fonts.find(row.font), std::string::npos) << fonts;
        EXPECT_FALSE(std::regex_search(fonts, std::regex(" no +no +no +[0-9]"))) << fonts;  // all embedded
        // Devanagari's conjuncts come back from the text layer as their first letters alone.
        const std::string text = Output("pdftotext -f 1 -l 1 " + pdf + " -");
        const std::string found = std::string(row.name).substr(0, std::string(row.name).find(' '));
        EXPECT_NE(text.find(found), std::string::npos) << text;
    }
    name = std::string(4000, 'X');
    const std::string pdf = Save("long.pdf");
    const std::string page1 = Output("pdftotext -f 1 -l 1 " + pdf + " -");
    EXPECT_EQ(std::count(page1.begin(), page1.end(), 'X'), 152);
    EXPECT_NE(page1.find("Bioclimatic analysis of\nXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\u2026\n(Brazil)"),
              std::string::npos)
        << page1;
    EXPECT_NE(Output("pdfinfo " + pdf).find("Title:           Bioclimatic analysis of " + name + " (Brazil)"),
              std::string::npos);
}

// Nothing analysed: refused with a message; an unwritable place: the system's reason, no file.
TEST_F(ReportPdf, RefusalsAndFailuresLeaveNoFile)
{
    ASSERT_TRUE(QFile(dir_.filePath("file")).open(QIODevice::WriteOnly));  // a file where a folder is needed
    EXPECT_EQ(SaveReport(session_.state, dir_.filePath("file/r.pdf"), Paper::A4, Language::English, kEpoch),
              "Not a directory");
    session_.state.CurrentLocation = 0;
    EXPECT_EQ(SaveReport(session_.state, dir_.filePath("r.pdf"), Paper::A4, Language::PortugueseBrazil, kEpoch),
              "Não há localidade analisada para o relatório.");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"file"});
}

}  // namespace
}  // namespace qav
