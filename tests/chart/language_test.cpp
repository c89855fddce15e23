#include "chart/language.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "chart/chart_frame.h"
#include "chart/compare_chart.h"
#include "chart/legend.h"
#include "chart/monthly_graph.h"
#include "chart/picture_texts.h"
#include "tests/chart/recording_canvas.h"
#include "tests/chart/test_locations.h"

namespace qav {
namespace {

// The table comes from ui/translations/qav_pt_BR.ts at build time; these rows pin what it holds.
TEST(Language, TranslatesFromTheWindowsTranslationFile)
{
    struct Row { const char* context; const char* english; const char* disambiguation; const char* portuguese; };
    for (const Row& r : {Row{"qav::Strategy", "Thermal Comfort", "", "Conforto térmico"},
                         Row{"qav::Month", "May", "abbreviation", "Mai"},
                         Row{"qav::Month", "February", "", "fevereiro"},
                         Row{"qav::Picture", "DBT", "", "TBS"},
                         Row{"qav::Picture", "no such text", "", "no such text"}}) {
        SCOPED_TRACE(r.english);
        EXPECT_EQ(Translated(Language::PortugueseBrazil, r.context, r.english, r.disambiguation), r.portuguese);
        EXPECT_EQ(Translated(Language::English, r.context, r.english, r.disambiguation), r.english);
    }
    EXPECT_EQ(FilledText("%1 - %2 kPa %3%", {"QAV", "101,325"}), "QAV - 101,325 kPa %3%");
    EXPECT_TRUE(LanguageFromName("pt_BR") == Language::PortugueseBrazil && LanguageFromName("en") == Language::English &&
                !LanguageFromName("pt"));
    EXPECT_EQ(DecimalSeparatorOf(Language::PortugueseBrazil), ',');
}

std::set<std::string> Words(std::string_view text)
{
    std::set<std::string> words;
    std::string word;
    for (char c : std::string(text) + ' ') {
        if (std::isalpha(static_cast<unsigned char>(c))) word += c;
        else if (!word.empty()) words.insert(std::exchange(word, {}));
    }
    return words;
}

// Every word of the English texts that its Portuguese does not also use ("Latitude", "QAV").
std::set<std::string> EnglishOnlyWords()
{
    namespace t = picture_text;
    std::set<std::string> english, portuguese;
    const auto add = [&](const char* context, const char* text, const char* disambiguation = "") {
        for (const std::string& w : Words(text)) english.insert(w);
        for (const std::string& w : Words(Translated(Language::PortugueseBrazil, context, text, disambiguation)))
            portuguese.insert(w);
    };
    for (const char* text : {t::kChartTitle, t::kHumidityAxis, t::kDryBulb, t::kLocation, t::kQuarter[1], t::kQuarter[2],
                             t::kQuarter[3], t::kQuarter[4], t::kRecordedHours, t::kCounted, t::kWhatIf, t::kStationDerived,
                             t::kAllHours, t::kHours, t::kMonthlyChanges, t::kGraphDryBulb, t::kGraphHumidity,
                             t::kCompareTitle, t::kCompareRecorded})
        add("qav::Picture", text);
    for (int s = 1; s <= kStrategies; ++s) add("qav::Strategy", StrategyName[static_cast<std::size_t>(s)].data());
    for (const std::string& w : portuguese) english.erase(w);
    return english;
}

TEST(Language, PortuguesePicturesHoldNoEnglishWord)
{
    const std::set<std::string> english = EnglishOnlyWords();
    ASSERT_GT(english.size(), 40u);
    const Language pt = Language::PortugueseBrazil;
    testing::RecordingCanvas chart(8076, 6259), graph(4000, 3000), compare(9000, 6000);
    const ChartScale scale = MakeChartScale(8076, 6259, 15, 15);
    DrawChartFrameAndZones(chart, chart, scale, Psychrometrics(), nullptr, ',', pt);
    const float shares[kStrategies + 1] = {0, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10};
    DrawLegend(chart, scale, shares, {0, 5, 9, 2}, testing::Brasilia(), ',', "Contadas: todas as horas", pt);
    DrawMonthlyGraph(graph, testing::Brasilia(), 15, 15, pt);
    CompareRow row{1, 1, "Lima", "Peru", {}, 5, true, {}, 6};
    row.Shares[5] = row.RecordedShares[6] = 100;
    DrawCompareChart(compare, MakeCompareLayout({row}, 15, 15), {row}, {}, ',', pt);
    for (const testing::RecordingCanvas* canvas : {&chart, &graph, &compare}) {
        ASSERT_FALSE(canvas->Texts.empty());
        for (const auto& text : canvas->Texts) {
            SCOPED_TRACE(text.Text);
            for (const std::string& w : Words(text.Text)) EXPECT_FALSE(english.count(w)) << w;
        }
    }
    EXPECT_EQ(chart.Texts[chart.Texts.size() - 1].Text, "Contadas: todas as horas");
}

}  // namespace
}  // namespace qav
