// The option table behind `qav-cli --help` and qav-cli(1): it must name what the parsers accept,
// and the manual page written from it must carry every option.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "app/cli_options.h"
#include "tests/app/cli_support.h"

namespace {

using qav::cli::kCliOptions;

// The option names in a text; with `quoted`, only those that open a string literal.
std::set<std::string> OptionNames(std::string_view text, bool quoted = false)
{
    std::set<std::string> names;
    const std::string s(text);
    const std::regex option(quoted ? "\"(--[a-z](?:[a-z-]*[a-z])?)" : "(--[a-z](?:[a-z-]*[a-z])?)");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), option); it != std::sregex_iterator(); ++it)
        names.insert((*it)[1].str());
    return names;
}

// An option added to a parser but not to the table (or left in the table after the parser
// dropped it) would be missing from, or wrongly listed in, both the help and the manual page.
TEST(CliOptions, TableNamesWhatTheParsersAccept)
{
    std::set<std::string> parsed;
    for (const char* file : {"cli_analyze.cpp", "cli_psychro.cpp", "cli_stations.cpp", "cli_places.cpp"})
        parsed.merge(OptionNames(qav::test::ReadFile(std::string(QAV_SOURCE_DIR "/app/") + file), true));
    std::set<std::string> table;
    for (const auto& o : kCliOptions) table.merge(OptionNames(o.names));
    EXPECT_EQ(table, parsed);

    for (const auto& o : kCliOptions)
        for (const std::string& name : OptionNames(o.names)) {
            const auto r = qav::test::Shell(std::string(o.command) + " " + name);
            EXPECT_EQ(r.err.find("unknown option"), std::string::npos) << o.command << " " << name << ": " << r.err;
        }
}

TEST(CliOptions, ManTermsMarkOptionsPlaceholdersAndKeywords)
{
    using qav::cli::ManTerm;
    EXPECT_EQ(ManTerm("--screen WxH"), "\\fB\\-\\-screen\\fR \\fIWxH\\fR");
    EXPECT_EQ(ManTerm("--hours typical|recorded|both"),
              "\\fB\\-\\-hours\\fR \\fBtypical\\fR|\\fBrecorded\\fR|\\fBboth\\fR");
    EXPECT_EQ(ManTerm("--chart FILE, --graph FILE"),
              "\\fB\\-\\-chart\\fR \\fIFILE\\fR, \\fB\\-\\-graph\\fR \\fIFILE\\fR");
    EXPECT_EQ(ManTerm("--near LAT,LON"), "\\fB\\-\\-near\\fR \\fILAT\\fR,\\fILON\\fR");
}

TEST(CliOptions, ManPageGetsEveryCommandsOptionsOrTheBuildSaysWhatIsMissing)
{
    std::string synopsis = ".SH SYNOPSIS\n";
    for (const auto& o : kCliOptions)
        for (const std::string& name : OptionNames(o.names))
            synopsis += ".B " + std::regex_replace(name, std::regex("-"), "\\-") + "\n";
    const std::string page = synopsis +
                             ".SH DESCRIPTION\nText.\n.\\\" options: analyze\n.SH X\n.\\\" options: psychro\n"
                             ".\\\" options: stations\n.\\\" options: places\n.SH END\n";
    const qav::cli::ManPage man = qav::cli::WriteManOptions(page);
    EXPECT_EQ(man.failure, "");
    EXPECT_EQ(man.text.find(".\\\" options"), std::string::npos);
    EXPECT_NE(man.text.find("Text.\n.TP\n\\fB\\-\\-dataset\\fR \\fBbrazil\\fR|"), std::string::npos);
    EXPECT_NE(man.text.find("any case.\n.SH X\n.TP\n\\fB\\-\\-elevation\\fR \\fIM\\fR\nElevation in metres"),
              std::string::npos);
    EXPECT_EQ(man.text.substr(man.text.size() - 8), ".SH END\n");

    EXPECT_EQ(qav::cli::WriteManOptions(synopsis + ".SH DESCRIPTION\n.\\\" options: analyze\n.\\\" options: stations\n")
                  .failure,
              "the page has no line '.\\\" options: psychro'");
    EXPECT_EQ(qav::cli::WriteManOptions(page + ".\\\" options: export-dataset\n").failure,
              "no options for the command 'export-dataset'");
    const std::string noLang = std::regex_replace(page, std::regex(".B \\\\-\\\\-lang\n"), "");
    EXPECT_EQ(qav::cli::WriteManOptions(noLang).failure, "the SYNOPSIS does not name --lang of analyze");
}

}  // namespace
