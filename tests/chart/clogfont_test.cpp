#include "chart/clogfont.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace qav {
namespace {

// Hands out handles 101, 102, ... (or 0 when told to fail) and records what it was asked.
class FakeFactory final : public FontFactory {
  public:
    FontHandle Create(const LogFontRecord& record) override
    {
        Records.push_back(record);
        return FailCreate ? 0 : ++last_;
    }
    void Delete(FontHandle font) override { Deleted.push_back(font); }
    int LogPixelsY() const override { return Dpi; }

    int Dpi = 96;
    bool FailCreate = false;
    std::vector<LogFontRecord> Records;
    std::vector<FontHandle> Deleted;

  private:
    FontHandle last_ = 100;
};

const FontDescription kDialog{.FaceName = "MS Sans Serif", .SizePt = 8};

// Each change of font or rotation replaces the handle and releases the old one; the same rotation
// again builds nothing; dropping the font, or the object, releases the last handle.
TEST(CLogFont, HandleLifecycle)
{
    FakeFactory factory;
    {
        CLogFont font(factory);
        font.SetRotation(90);  // no LogFont yet: nothing is built
        EXPECT_TRUE(factory.Records.empty());
        font.SetLogFont(kDialog);
        font.SetRotation(0);
        font.SetRotation(0);
        EXPECT_EQ(font.Handle(), 102u);
        EXPECT_EQ(factory.Records.size(), 2u);
        EXPECT_EQ(factory.Deleted, std::vector<FontHandle>{101});
        font.SetLogFont(std::nullopt);
        EXPECT_EQ(font.Handle(), 0u);
        font.SetLogFont(kDialog);
    }
    EXPECT_EQ(factory.Deleted, (std::vector<FontHandle>{101, 102, 103}));
    factory.FailCreate = true;
    CLogFont failing(factory);
    failing.SetLogFont(kDialog);
    EXPECT_EQ(failing.Handle(), 0u);
}

// A turned font must be an outline font, and the OEM set has none: it becomes ANSI. Whole turns
// keep the defaults; the whole number of degrees is the rotation rounded (359.6 is 360).
TEST(CLogFont, PrecisionAndCharSetFollowTheRotation)
{
    struct Row {
        float rotation;
        int charSet, outPrecision, escapement;
    };
    for (const Row& r : {Row{0, 255, 0, 0}, Row{360, 255, 0, 3600}, Row{-720, 255, 0, -7200}, Row{359.6f, 255, 0, 3596},
                         Row{90, 0, 7, 900}, Row{45.5f, 0, 7, 455}}) {
        SCOPED_TRACE(r.rotation);
        FakeFactory factory;
        CLogFont font(factory);
        font.SetRotation(r.rotation);
        font.SetLogFont(FontDescription{.FaceName = "MS Sans Serif", .CharSet = 255});
        const LogFontRecord& rec = factory.Records.back();
        EXPECT_EQ(rec.lfCharSet, r.charSet);
        EXPECT_EQ(rec.lfOutPrecision, r.outPrecision);
        EXPECT_EQ(rec.lfEscapement, r.escapement);
        EXPECT_EQ(rec.lfOrientation, r.escapement);
    }
}

TEST(CLogFont, FillsTheRecordFromItsOwnCopy)
{
    FakeFactory factory;
    CLogFont font(factory);
    FontDescription f{.FaceName = std::string(40, 'x'), .SizePt = 12, .Italic = true, .StrikeOut = true, .Weight = 700};
    font.SetLogFont(f);
    const LogFontRecord& r = factory.Records.back();
    // Height -16: 12 pt at 96 dpi.
    EXPECT_EQ((std::array{int(r.lfHeight), int(r.lfWeight), int(r.lfItalic), int(r.lfUnderline), int(r.lfStrikeOut),
                          int(r.lfQuality)}),
              (std::array{-16, 700, 1, 0, 1, 2}));
    EXPECT_EQ(std::string(r.lfFaceName), std::string(31, 'x'));
    // Changing the caller's description afterwards does not reach the font.
    f.SizePt = 14;
    EXPECT_EQ(font.LogFont()->SizePt, 12);
    factory.Dpi = 120;  // 8 pt is 13.33 pixels
    font.SetLogFont(kDialog);
    EXPECT_EQ(factory.Records.back().lfHeight, -13);
}

}  // namespace
}  // namespace qav
