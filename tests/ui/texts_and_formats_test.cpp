// The fixed texts of the help boxes and the number formats of the results panel.
#include <QStringList>
#include <QtTest>

#include "tests/ui/ui_tests.h"
#include "ui/help_texts.h"
#include "ui/results_panel.h"

namespace qav::test {
namespace {

QStringList LinesOf(const std::string& text)
{
    QStringList lines = QString::fromStdString(text).split(u'\n');
    lines.removeLast();  // after the final line feed
    return lines;
}

}  // namespace

class TextsAndFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void everyHelpTextEndsWithALineFeedAndHasNoCarriageReturn()
    {
        for (const MessageText& t : {FileFormatHelpText(), ProgramAboutText(), ClimaticDataAboutText()}) {
            QVERIFY2(t.Text.ends_with('\n'), t.Title.c_str());
            QVERIFY2(t.Text.find('\r') == std::string::npos, t.Title.c_str());
        }
    }

    void fileFormatBoxReadsAsWritten()
    {
        const MessageText t = FileFormatHelpText();
        QCOMPARE(QString::fromStdString(t.Title), QStringLiteral("  QAV 1.3    Monthly Data (MD) File Format"));
        const QStringList expected{
            "",
            "File name: QAV + Title + .TXT",
            "",
            "One file can contain the data of up to 50 locations.",
            "The data regarding each location occupy 13 lines with columns separated by comma.",
            "",
            "All words should be written between quotation marks (names of cities, countries and sources).",
            "",
            "Line 1 = Location, Country, Latitude (N+S-), Longitude, Elevation (m), Data Source",
            "Line 2 to line 13 = Month, DBTmin, DBTmax, RHavg",
            "",
            "DBTmin = Mean monthly minimum Dry Bulb Temperature",
            "DBTmax = Mean monthly maximum Dry Bulb Temperature",
            "RHavg = Mean monthly Relative Humidity",
            "",
            "See the file 'QAVworld.TXT', enclosed to this software.",
        };
        QCOMPARE(LinesOf(t.Text), expected);
    }

    void programAboutBoxKeepsItsFixedLinesAndFillsTheOthersTruthfully()
    {
        const MessageText t = ProgramAboutText();
        QCOMPARE(QString::fromStdString(t.Title), QStringLiteral("  About QAV 1.3"));
        const QStringList lines = LinesOf(t.Text);
        QCOMPARE(lines.size(), 17);
        struct Fixed { int line; const char* text; };
        for (Fixed f : {Fixed{1, "QAV     Meridane"}, Fixed{2, ""}, Fixed{3, ""},
                        Fixed{4, "Free software based on bioclimatic charts proposed by"}, Fixed{7, ""},
                        Fixed{8, "The hourly values of temperatures and humidities are"},
                        Fixed{9, "generated using an algorithm developed by the author."}, Fixed{10, ""},
                        Fixed{15, ""}, Fixed{16, ""}}) {
            QVERIFY2(lines[f.line - 1] == QString::fromLatin1(f.text), qPrintable(QString::number(f.line)));
        }
        // The method's published source: author, journal, volume, month and year, pages.
        const QString citation = lines[4] + u' ' + lines[5];
        for (const char* part : {"Givoni", "Comfort, climate analysis and building design guidelines",
                                 "Energy and Buildings", "vol. 18", "July 1992", "pp. 11-23"})
            QVERIFY2(citation.contains(QString::fromLatin1(part)), part);
        QVERIFY(lines[10].contains(QStringLiteral("The QAV developers")));
        QVERIFY(lines[11].startsWith(QStringLiteral("e-mail: ")));
        QVERIFY(!lines[11].contains(u'@'));  // no address is published; none may be invented
        QVERIFY(!lines[16].isEmpty());
    }

    void climaticDataBoxNamesBothSources()
    {
        const MessageText t = ClimaticDataAboutText();
        QCOMPARE(QString::fromStdString(t.Title), QStringLiteral("  QAV 1.3     About Climatic Data"));
        const QStringList lines = LinesOf(t.Text);
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QStringLiteral("QAV contains climatological normals data of some cities of the world,"));
        QCOMPARE(lines[2], QStringLiteral("obtained in the following sources: "));
        QCOMPARE(lines[3], QString());
        QVERIFY(lines[4].startsWith(QStringLiteral("BBC = ")));
        QVERIFY(lines[5].startsWith(QStringLiteral("GOV = ")));
        QCOMPARE(lines[6], QString());
        QCOMPARE(lines[7], QStringLiteral("This data are based on readings for more than 20 years.   "));
    }

    void fixedFormatsRoundAndUseTheGivenSeparator_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QChar>("point");
        QTest::addColumn<QString>("expected");
        QTest::newRow("latitude") << double(-15.78f) << 1 << QChar(u'.') << "-15.8";
        QTest::newRow("half") << 0.5 << 1 << QChar(u'.') << "0.5";
        QTest::newRow("max temperature") << double(26.94f) << 1 << QChar(u'.') << "26.9";
        QTest::newRow("elevation") << 2818.0 << 0 << QChar(u'.') << "2818";
        QTest::newRow("no grouping") << 1160.0 << 0 << QChar(u',') << "1160";
        QTest::newRow("humidity") << double(76.4f) << 0 << QChar(u'.') << "76";
        QTest::newRow("decimal comma") << double(-47.93f) << 1 << QChar(u',') << "-47,9";
        QTest::newRow("small negative shows no sign") << -0.04 << 1 << QChar(u'.') << "0.0";
        QTest::newRow("negative whole") << -3.2 << 0 << QChar(u'.') << "-3";
    }
    void fixedFormatsRoundAndUseTheGivenSeparator()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QChar, point);
        QFETCH(QString, expected);
        QCOMPARE(FormatFixed(value, decimals, point), expected);
    }

    void sharesBelowOneTenthShowEmpty()
    {
        QCOMPARE(ShareText(0.0f, u'.'), QString());
        QCOMPARE(ShareText(0.09f, u'.'), QString());
        QCOMPARE(ShareText(0.1f, u'.'), QStringLiteral("0.1"));  // exactly 0.1 still shows
        QCOMPARE(ShareText(12.3f, u','), QStringLiteral("12,3"));
        QCOMPARE(ShareText(100.0f, u'.'), QStringLiteral("100.0"));
    }
};

namespace {
RegisterTest<TextsAndFormatsTest> registerTextsAndFormats;
}

}  // namespace qav::test

#include "texts_and_formats_test.moc"
