// The window under a Brazilian Portuguese locale: the compiled-in translation reaches the month
// names, the caption and the refusals, numbers with a decimal comma; any other locale keeps the
// English source texts.

#include "tests/ui/window_test_helpers.h"
#include "pipeline/rendering.h"
#include "ui/read_failure_text.h"
#include "ui/translation.h"

namespace qav::test {

class TranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup()
    {
        RemoveTranslators();
        QLocale::setDefault(QLocale::c());
    }

    void otherLocalesKeepEnglish()
    {
        for (const QLocale& l :
             {QLocale(QLocale::Portuguese, QLocale::Portugal), QLocale(QLocale::English, QLocale::UnitedStates),
              QLocale(QLocale::German, QLocale::Germany)}) {
            QVERIFY2(!InstallTranslations(*qApp, l), qPrintable(l.name()));
            QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
        }
        MainWindow w(kReferenceScreen);
        QCOMPARE(w.findChild<QMenu*>(QStringLiteral("MFile"))->title(), QStringLiteral("&File"));
    }

    void brazilianPortugueseReachesMonthsCaptionAndRefusal()
    {
        QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        MainWindow w(kReferenceScreen);
        // That every text has its Portuguese and none stays English: translations_complete and the
        // language walk. Here what they cannot tell: the one month table translated by context
        // ("May" is both a name and an abbreviation), in the panel and in the fields' names.
        QCOMPARE(TextOf(w, QStringLiteral("Label8_2")), QStringLiteral("Fev"));
        QCOMPARE(MonthName(5), QStringLiteral("maio"));
        QCOMPARE(MonthAbbreviation(5), QStringLiteral("Mai"));
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("Text1_5"))->accessibleName(),
                 QString::fromUtf8("maio, temperatura mínima média, graus Celsius"));
        BoxLog boxes(w);

        // The status bar's caption and the warming's refusal are worded in the window's language,
        // month names and decimal comma included; the pictures keep their English caption.
        HourFilter night;
        QVERIFY(MakeHourFilter(22, 5, 12, 2, night));
        QVERIFY(w.applyAnalysisOptions(night, UniformWarming(1.5f)));
        QCOMPARE(TextOf(w, QStringLiteral("AnalysisCaption")),
                 QString::fromUtf8("Horas contadas: 22h–5h, dezembro-fevereiro; E se: +1,5\u00a0°C"));
        QCOMPARE(AnalysisCaption(w.state()), "Counted: hours 22-5, December-February; What if: +1.5 \u00B0C");
        QVERIFY(!w.applyAnalysisOptions(HourFilter{}, UniformWarming(30)));
        QCOMPARE(boxes.size(), size_t(1));
        QVERIFY2(boxes[0].Text.contains(QString::fromUtf8("janeiro DBTmax: 26,9 + 30 = 56,9 está fora de -90 a 55")),
                 qPrintable(boxes[0].Text));
        // A reader's failure, in the words the browser page shows too.
        ReadFailure missing;
        missing.File = "QAVx.TXT";
        missing.Kind = ReadFault::MonthMissing;
        missing.Code = 25;
        missing.Number = 3;
        QCOMPARE(ReadFailureText::text(missing), QString::fromUtf8("QAVx.TXT\nFalta o mês 3.\nErr code 25\n"));
    }
};

RegisterTest<TranslationTest> registerTranslation;

}  // namespace qav::test

#include "translation_test.moc"
