#include "data/read_failure.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace qav {
namespace {

using F = ReadFault;

// A failure of `kind` with its code, the fields it words set by `set`.
ReadFailure Failure(ReadFault kind, int code, void (*set)(ReadFailure&))
{
    ReadFailure f;
    f.Kind = kind, f.Code = code;
    set(f);
    return f;
}

// The Portuguese of the window's translation file, filled in one pass: a quoted text holding
// "%2" stays as the file wrote it.
TEST(ReadFailureWords, PortugueseLineOfEachPart)
{
    const ReadFailure range = Failure(F::OutOfRange, 22, [](ReadFailure& f) {
        f.File = "QAVx.TXT", f.Line = 14, f.Field = 3, f.FieldName = "DBTmax", f.Location = 2, f.LocationName = "Lima",
        f.Text = "1e30%2", f.Range = kTemperatureRange;
    });
    const std::pair<ReadFailure, const char*> cases[] = {
        {range,
         "QAVx.TXT: '1e30%2' está fora do intervalo (-90 a 55). "
         "Linha 14, campo 3 (DBTmax), localidade 2 (Lima). Err code 22"},
        {Failure(F::TooLarge, 7, [](ReadFailure& f) { f.Format = FileFormat::Weather, f.Number = 64 << 20; }),
         "O arquivo tem mais de 64 MiB: não é um arquivo climático (EPW). Err code 7"},
        {Failure(F::OutOfOrder, 31,
                 [](ReadFailure& f) {
                     f.File = "a.epw", f.Line = 20, f.Row = {1, 1, 14}, f.PreviousRow = {1, 1, 12}, f.PreviousLine = 19;
                 }),
         "a.epw: A linha de mês 1, dia 1, hora 14 não segue a linha 19 (mês 1, dia 1, hora 12): "
         "as linhas devem avançar uma hora de cada vez. Linha 20. Err code 31"},
        {Failure(F::RowCount, 30, [](ReadFailure& f) { f.Number = 1, f.Needed = 8760; }),
         "O arquivo contém 1 linha horária; um ano climático tem 8760. Err code 30"},
        {Failure(F::NoCompleteLocation, 27, [](ReadFailure& f) { f.Location = 1, f.Number = 20, f.Needed = 54; }),
         "O arquivo não contém nenhuma localidade completa: ele termina depois de 20 dos 54 campos de uma "
         "localidade. Localidade 1. Err code 27"},
        {Failure(F::WrongMonth, 26, [](ReadFailure& f) { f.Text = "7", f.Number = 1; }),
         "'7' não é o mês 1: as linhas mensais trazem os meses de 1 a 12, em ordem. Err code 26"},
        {Failure(F::MinAboveMax, 27, [](ReadFailure& f) { f.Text = "30", f.OtherText = "10.5", f.Number = 3; }),
         "No mês 3, DBTmin '30' está acima de DBTmax '10.5'. Err code 27"},
    };
    for (const auto& [failure, line] : cases) EXPECT_EQ(ReadFailureLine(failure, Language::PortugueseBrazil), line);
    const FailureWords english = ReadFailureWords(range, Language::English);
    EXPECT_EQ(english.Reason + "|" + english.Position,
              "'1e30%2' is out of range (-90 to 55).|Line 14, field 3 (DBTmax), location 2 (Lima).");
}

// One wording for every front end: the English line is qav-cli's, which scripts read, and the
// window's parts are the same words. The system's message is English, so only the Portuguese
// introduces it; a field without a line is still placed.
TEST(ReadFailureWords, EnglishAndPortugueseFromOneTable)
{
    const struct {
        ReadFailure failure;
        const char *english, *portuguese;
    } cases[] = {
        {Failure(F::SystemError, 5, [](ReadFailure& f) { f.File = "dir.epw", f.Number = EISDIR; }),
         "dir.epw: Is a directory. Err code 5", "dir.epw: O sistema informa: Is a directory. Err code 5"},
        {Failure(F::NotANumber, 9, [](ReadFailure& f) { f.Field = 4, f.FieldName = "RHavg", f.Location = 3; }),
         "The field is empty where a number belongs. Field 4 (RHavg), location 3. Err code 9",
         "O campo está vazio onde deveria haver um número. Campo 4 (RHavg), localidade 3. Err code 9"},
        {Failure(F::TooLarge, 4, [](ReadFailure& f) { f.Format = FileFormat::Warming, f.Number = 64 << 10; }),
         "The file is larger than 64 KiB: it is not a warming file. Err code 4",
         "O arquivo tem mais de 64 KiB: não é um arquivo de aquecimento. Err code 4"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EnglishReadFailure(c.failure), c.english);
        EXPECT_EQ(ReadFailureLine(c.failure, Language::PortugueseBrazil), c.portuguese);
    }
}

}  // namespace
}  // namespace qav
