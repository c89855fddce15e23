#include "pipeline/read_failure_words.h"

#include <gtest/gtest.h>

namespace qav {
namespace {

ReadFailure Failure(ReadFault kind, int code)
{
    ReadFailure f;
    f.Kind = kind;
    f.Code = code;
    return f;
}

// The Portuguese of the window's translation file, filled in one pass: a quoted text holding
// "%2" stays as the file wrote it.
TEST(ReadFailureWords, PortugueseLineOfEachPart)
{
    ReadFailure range = Failure(ReadFault::OutOfRange, 22);
    range.File = "QAVx.TXT";
    range.Text = "1e30%2";
    range.Range = kTemperatureRange;
    range.Line = 14;
    range.Field = 3;
    range.FieldName = "DBTmax";
    range.Location = 2;
    range.LocationName = "Lima";
    ReadFailure large = Failure(ReadFault::TooLarge, 7);
    large.Format = FileFormat::Weather;
    large.Number = 64 << 20;
    ReadFailure order = Failure(ReadFault::OutOfOrder, 31);
    order.File = "a.epw";
    order.Line = 20;
    order.Row = {1, 1, 14};
    order.PreviousRow = {1, 1, 12};
    order.PreviousLine = 19;
    ReadFailure rows = Failure(ReadFault::RowCount, 30);
    rows.Number = 1;
    rows.Needed = 8760;
    ReadFailure cut = Failure(ReadFault::NoCompleteLocation, 27);
    cut.Location = 1;
    cut.Number = 20;
    cut.Needed = 54;
    const struct {
        ReadFailure failure;
        const char* line;
    } cases[] = {
        {range, "QAVx.TXT: '1e30%2' está fora do intervalo (-90 a 55). "
                "Linha 14, campo 3 (DBTmax), localidade 2 (Lima). Err code 22"},
        {large, "O arquivo tem mais de 64 MiB: não é um arquivo climático (EPW). Err code 7"},
        {order, "a.epw: A linha de mês 1, dia 1, hora 14 não segue a linha 19 (mês 1, dia 1, hora 12): "
                "as linhas devem avançar uma hora de cada vez. Linha 20. Err code 31"},
        {rows, "O arquivo contém 1 linha horária; um ano climático tem 8760. Err code 30"},
        {cut, "O arquivo não contém nenhuma localidade completa: ele termina depois de 20 dos 54 campos de uma "
              "localidade. Localidade 1. Err code 27"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ReadFailureLine(c.failure, Language::PortugueseBrazil), c.line);
    }
    // English: the window's parts, and on one line qav-cli's own message.
    const FailureWords english = ReadFailureWords(range, Language::English);
    EXPECT_EQ(english.Reason, "'1e30%2' is out of range (-90 to 55).");
    EXPECT_EQ(english.Position, "Line 14, field 3 (DBTmax), location 2 (Lima).");
    EXPECT_EQ(ReadFailureLine(range, Language::English), EnglishReadFailure(range));
}

}  // namespace
}  // namespace qav
