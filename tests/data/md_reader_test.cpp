#include "data/md_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace qav {
namespace {

// One location in the file's layout; month m holds DBTmin m, DBTmax 20 + m, RHavg 50 + m.
std::string Site(const std::string& name, const std::string& eol = "\n")
{
    std::string s = "\"" + name + "\",\"Testland\",-10.5,-40.25,100,\"GOV\"" + eol;
    for (int m = 1; m <= 12; ++m)
        s += std::to_string(m) + "," + std::to_string(m) + "," + std::to_string(20 + m) + "," + std::to_string(50 + m) +
             eol;
    return s;
}

std::string Sites(int count, const std::string& eol = "\n")
{
    std::string s;
    for (int i = 1; i <= count; ++i) s += Site("Site " + std::to_string(i), eol);
    return s;
}

// Slots 1..count hold the locations of Sites(count): every name, and every field of the last.
void ExpectSites(const ReadResult& r, int count)
{
    ASSERT_FALSE(r.failure) << EnglishReadFailure(*r.failure);
    ASSERT_EQ(r.table.LocationCount, count);
    for (int k = 1; k <= count; ++k) ASSERT_EQ(r.table.Slot[k].LocationName, "Site " + std::to_string(k));
    const LocationRecord& rec = r.table.Slot[count];
    EXPECT_EQ(std::tie(rec.Country, rec.DataSource, rec.Latitude, rec.Longitude, rec.Elevation),
              std::make_tuple("Testland", "GOV", -10.5f, -40.25f, 100.0f));
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(rec.Month[m].DBTmin == m && rec.Month[m].DBTmax == 20 + m && rec.Month[m].RHavg == 50 + m) << m;
}

std::string Replaced(std::string text, char from, char to)
{
    std::replace(text.begin(), text.end(), from, to);
    return text;
}
std::string OneLine(const std::string& text) { return Replaced(text.substr(0, text.size() - 1), '\n', ','); }

TEST(ReadMonthlyData, ReadsEveryLayoutOfTheSameFields)
{
    const std::string two = Sites(2), truncated = two + Site("Cut");
    const std::tuple<const char*, std::string, int> cases[] = {
        {"three then an empty line", Sites(3) + "\n", 3},
        {"blank lines between and after", Site("Site 1") + "\n  \n" + Site("Site 2") + "\n\n", 2},
        {"no final line end", two.substr(0, two.size() - 1), 2},
        {"CR LF", Sites(3, "\r\n"), 3},
        {"lone CR", Sites(2, "\r"), 2},
        {"each location on one line", OneLine(Site("Site 1")) + "\n" + OneLine(Site("Site 2")), 2},
        {"whole file on one line", OneLine(Sites(3)), 3},
        {"one field per line", Replaced(two, ',', '\n'), 2},
        {"last stops after its first line", truncated.substr(0, truncated.find('\n', two.size()) + 1), 2},
        {"last stops inside a monthly line", truncated.substr(0, truncated.size() - 20), 2},
        {"60 locations, the 51st unreadable", Sites(50) + "\"Bad\",\"X\",abc,1,1,\"GOV\"\n" + Sites(9), 50},
    };
    for (const auto& [name, text, count] : cases) {
        SCOPED_TRACE(name);
        ExpectSites(ReadMonthlyData(text), count);
    }
    // A location cut short is left out with a warning naming it and its last line.
    const ReadResult cut = ReadMonthlyData(truncated.substr(0, truncated.size() - 20));
    EXPECT_EQ(cut.warning ? EnglishCutShort(*cut.warning) : "",
              "Location 3 (Cut) ends at line 38 after 48 of its 54 fields; it was left out.");
    EXPECT_FALSE(ReadMonthlyData(two).warning);
}

// A file ending between locations, or after the 50th, warns of nothing.
// What follows the 50th location is left out and counted, from the line it starts on.
TEST(ReadMonthlyData, WarnsOnlyOfALocationCutShortAndCountsWhatFollowsTheFiftieth)
{
    const std::pair<std::string, std::string> cases[] = {
        {Sites(3) + "\n", ""},
        {Sites(50) + Site("Extra").substr(0, 30), "Only 50 locations are read; left out from line 651 on: 4 fields."},
        {Sites(52) + "\"Extra\"",
         "Only 50 locations are read; left out from line 651 on: 2 more locations and 1 field."},
        {Sites(51), "Only 50 locations are read; left out from line 651 on: 1 more location."},
        {Sites(50) + "\n\"Open,\"X\",0\n", "Only 50 locations are read; left out from line 652 on: 1 field."},
    };
    for (const auto& [text, leftOut] : cases) {
        const ReadResult r = ReadMonthlyData(text);
        EXPECT_EQ(
            std::make_tuple(r.warning.has_value(), r.table.LocationCount, r.leftOut ? EnglishLeftOut(*r.leftOut) : ""),
            std::make_tuple(false, leftOut.empty() ? 3 : 50, leftOut));
    }
}

// Blanks around fields go, blanks inside quotes stay, and a Month field is its month however it
// is written. The range limits themselves are valid values, and DBTmin may equal DBTmax.
TEST(ReadMonthlyData, ReadsQuotedAndBareTextsAnyFormOfTheMonthAndAcceptsTheLimits)
{
    std::string text = "  \"Rio de Janeiro, RJ\" ,Brasil do Sul ,  -22.9\t, -43.17,11 , \" INMET \"\n";
    const char* monthFields[] = {"01", "2.0", " 3", "+4", "5", "6", "7", "8", "9", "10", "11", "12e0"};
    for (int m = 1; m <= 12; ++m) text += std::string(monthFields[m - 1]) + " , " + std::to_string(m) + " , 29.4,79 \n";
    text += "\"X\",\"Y\",-90,180,-500,\"GOV\"\n";
    for (int m = 1; m <= 12; ++m) text += std::to_string(m) + ",-90,55,100\n";
    text += "\"X\",\"Y\",90,-180,9000,\"GOV\"\n";
    for (int m = 1; m <= 12; ++m) text += std::to_string(m) + ",0,0.0,0\n";
    const ReadResult r = ReadMonthlyData(text);
    ASSERT_FALSE(r.failure) << EnglishReadFailure(*r.failure);
    const LocationRecord& rec = r.table.Slot[1];
    EXPECT_EQ(std::tie(rec.LocationName, rec.Country, rec.DataSource, rec.Latitude, r.table.LocationCount,
                       r.table.Slot[3].Elevation),
              std::make_tuple("Rio de Janeiro, RJ", "Brasil do Sul", " INMET ", -22.9f, 3, 9000.0f));
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(rec.Month[m].DBTmin, m);
}

TEST(ReadMonthlyData, ReadsAccentedNamesInEveryEncoding)
{
    const std::string rest = ",\"Brazil\",-15.78,-47.93,1160,\"GOV\"\n" + Sites(1).substr(Sites(1).find('\n') + 1);
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"UTF-8", "\"Bras\xC3\xADlia\"" + rest, "Brasília"},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF\"Bras\xC3\xADlia\"" + rest, "Brasília"},
        {"Windows-1252", "\"Bras\xEDlia\"" + rest, "Brasília"},
        {"Windows-1252 with its own letters", "\"\x93S\xE3o Jo\xE3o\x94 \x80\"" + rest, "“São João” €"},
        {"Windows-1252 although it starts like UTF-8", "\"Bras\xC3\xADlia \xE9\"" + rest,
         "Bras\xC3\x83\xC2\xADlia \xC3\xA9"},
        // Blanked: escape, bell, backspace, tab, DEL, C1 CSI, right-to-left override, isolate.
        {"control and direction characters",
         "\"\x1B[2JA\x07\x08\tB\x7F\xC2\x9B\xE2\x80\xAE"
         "C\xE2\x81\xA6\"" +
             rest,
         " [2JA   B   C "},
        {"Windows-1252 unassigned byte and escape", "\"\x9D\x1B\xE9\"" + rest, "  é"},
    };
    for (const auto& [name, text, expected] : cases) {
        const ReadResult r = ReadMonthlyData(text);
        EXPECT_EQ(r.failure ? EnglishReadFailure(*r.failure) : r.table.Slot[1].LocationName, expected) << name;
    }
    // Each text is decoded on its own: a Windows-1252 country leaves the UTF-8 texts intact.
    const ReadResult mixed = ReadMonthlyData(
        "\"Bras\xC3\xADlia\",\"Rep\xFA"
        "blica\",0,0,0,\"G\xC3\x93V\"" +
        rest.substr(rest.find('\n')));
    const LocationRecord& m = mixed.table.Slot[1];
    EXPECT_EQ(std::tie(m.LocationName, m.Country, m.DataSource), std::make_tuple("Brasília", "República", "GÓV"));
}

TEST(ReadMonthlyData, ReportsEachFaultWithItsPlace)
{
    // Lima's January replaced by `line`; the blank line counts, so that is line 16.
    const auto jan = [](const std::string& line) {
        return Site("Brasília") + "\n\"Lima\",\"Peru\",0,0,0,\"GOV\"\n" + line + "\n";
    };
    const auto lima = [](const std::string& reason, const std::string& field, int code) {
        return reason + " Line 16, field " + field + ", location 2 (Lima). Err code " + std::to_string(code);
    };
    const std::string wrongMonth = "is not month 1: the monthly lines hold months 1 to 12 in order.",
                      empty = "The field is empty where a number belongs.";
    // The message ends in the failure's code, so it pins that too.
    const std::pair<std::string, std::string> cases[] = {
        {jan("1,1,1e30,51"), lima("'1e30' is out of range (-90 to 55).", "3 (DBTmax)", 22)},
        {jan("1,1,21,100.5"), lima("'100.5' is out of range (0 to 100).", "4 (RHavg)", 22)},
        {jan("1,-1e999,21,51"), lima("'-1e999' is not a representable number.", "2 (DBTmin)", 22)},
        {jan("1,nan,21,51"), lima("'nan' is not a finite number.", "2 (DBTmin)", 21)},
        {jan("1,1,21,\"humid\""), lima("'humid' is not a number.", "4 (RHavg)", 20)},
        {jan("1,1,,51"), lima(empty, "3 (DBTmax)", 20)},
        // January and July swapped would report July's climate as January's.
        {jan("7,1,21,51"), lima("'7' " + wrongMonth, "1 (Month)", 26)},
        {jan("1.5,1,21,51"), lima("'1.5' " + wrongMonth, "1 (Month)", 26)},
        {jan("abc,1,21,51"), lima("'abc' is not a number.", "1 (Month)", 20)},
        {jan(",1,21,51"), lima(empty, "1 (Month)", 20)},
        {jan("1,30,10,51"), lima("In month 1, DBTmin '30' is above DBTmax '10'.", "2 (DBTmin)", 27)},
        {"\"X\",\"Y\",-91,0,0,\"GOV\"\n",
         "'-91' is out of range (-90 to 90). Line 1, field 3 (Latitude), location 1 (X). Err code 22"},
        {"\"X\",\"Y\",0,0,9000.5,\"GOV\"\n",
         "'9000.5' is out of range (-500 to 9000). Line 1, field 5 (Elevation), location 1 (X). Err code 22"},
        // A long value is cut, a control in it blanked.
        {std::string("\"X\",\"Y\",7\x1b").append(50, '7') + ",0,0,\"GOV\"\n",
         "'7 " + std::string(38, '7') +
             "...' is not a number. Line 1, field 3 (Latitude), location 1 (X). Err code 20"},
        {std::string(1, '"').append(4097, 'a') + "\",\"Y\",0,0,0,\"GOV\"\n",
         "The field is longer than 4096 bytes. Line 1, field 1 (Location), location 1. Err code 23"},
        {"\"X\",\"Y,0,0,0,\"GOV\"\n",
         "Text follows the closing quotation mark. Line 1, field 2 (Country), location 1 (X). Err code 25"},
        {"\"X\",\"Y\",0,0,0,\"GOV\n1,2,3,4\n",
         "The closing quotation mark is missing. Line 1, field 6 (Data Source), location 1 (X). Err code 24"},
        {"", "The file holds no complete location. Err code 30"},
        {"\"X\",\"Y\",0,0,0,\"GOV\"\n1,2,3,4\n",
         "The file holds no complete location: it ends after 10 of the 54 fields of a location. Line 2, location 1 (X). Err code 30"},
        {Site("X").substr(0, Site("X").size() - 4),
         "The file holds no complete location: it ends after 53 of the 54 fields of a location. Line 13, field 4 (RHavg), location 1 (X). Err code 30"},
        {std::string("\xFF\xFE\"\0X\0", 6),
         "The file holds NUL bytes: it is not a plain text file (save it as UTF-8 or ANSI text). Err code 11"},
        {std::string(kMaxMonthlyDataBytes + 1, ' '),
         "The file is larger than 16 MiB: it is not a Monthly Data file. Err code 10"},
    };
    for (const auto& [text, message] : cases) {
        const ReadResult r = ReadMonthlyData(text);
        EXPECT_EQ(r.failure ? EnglishReadFailure(*r.failure) : "(read)", message);
    }
}

TEST(ReadMonthlyDataFile, ReadsAFileOrNamesTheFault)
{
    namespace fs = std::filesystem;
    std::string made = (fs::temp_directory_path() / "qav-md-XXXXXX").string();
    ASSERT_TRUE(mkdtemp(made.data()));
    const fs::path dir = made;
    const auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    };
    ExpectSites(ReadMonthlyDataFile(write("QAVTEST.TXT", Sites(3, "\r\n"))), 3);
    // A pipe is read to its end, in whatever pieces its writer hands over.
    const fs::path fifo = dir / "QAVPIPE.TXT";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        std::ofstream out(fifo, std::ios::binary);
        for (int k = 1; k <= 2; ++k) out << Site("Site " + std::to_string(k)) << std::flush;
    });
    const ReadResult piped = ReadMonthlyDataFile(fifo);
    writer.join();
    ExpectSites(piped, 2);
    const std::string large = " The file is larger than 16 MiB: it is not a Monthly Data file. Err code 10";
    const std::pair<fs::path, std::string> cases[] = {
        {dir / "QAVNONE.TXT", " File not found. Err code 1"},
        {dir / "nowhere" / "QAVNONE.TXT", " Path not found. Err code 2"},
        {dir, " Path/File access error. Err code 4"},
        {"/dev/zero", large},  // an endless stream
        {write("QAVPLAIN.TXT", Sites(1)) / "QAV.TXT", " Path not found. Err code 2"},
        {write("QAVBIG.TXT", Sites(1) + std::string(kMaxMonthlyDataBytes, '\n')), large},
        {write("QAVLOCKED.TXT", Sites(1)), " Permission denied. Err code 3"},
    };
    fs::permissions(dir / "QAVLOCKED.TXT", fs::perms::none);
    for (const auto& [path, reason] : cases) {
        if (path.filename() == "QAVLOCKED.TXT" && std::ifstream(path).is_open()) continue;  // root ignores file modes
        const ReadResult r = ReadMonthlyDataFile(path);
        EXPECT_EQ(r.failure ? EnglishReadFailure(*r.failure) : "(read)", path.string() + ":" + reason);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace qav
