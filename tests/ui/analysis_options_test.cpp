// Compare locations, Hours analysed and What if in the real window: the views follow the state,
// work from the keyboard and name their figures for screen readers.

#include "tests/ui/window_test_helpers.h"
#include "ui/clipboard.h"
#include "ui/analysis_options_dialogs.h"
#include "ui/compare_view.h"
#include "ui/locale_format.h"
#include "ui/station_finder.h"
#include "ui/translation.h"

namespace qav::test {

class AnalysisOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // Each bar is its location's analysis; the view opens at the location analysed, its title
    // naming the data and the sort, its selected bar in the legend's colours; sorting by E puts the
    // largest comfort share first; Enter on a row analyses that location in the window.
    void compareViewShowsEveryLocationAndAnalysesTheChosenOne()
    {
        MainWindow w(kReferenceScreen);
        w.analyseSlot(12);
        Trigger(w, "ViewCompare");
        CompareView* view = w.compareView();
        QVERIFY(view && view->isVisible());
        QTableWidget* table = view->table();
        QCOMPARE(table->rowCount(), 27);
        QCOMPARE(table->currentRow(), 11);
        QCOMPARE(view->windowTitle(), QStringLiteral("Compare locations: Data set: Brazil, by list order"));
        QCOMPARE(table->item(4, 1)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Brasília, typical days: Solar Heating 30.2 %, Thermal Inertia (Heating) 28.0 %, "
                                "Thermal Comfort 36.8 %, Ventilation 5.0 %"));
        QCOMPARE(table->item(4, 2)->text(), QStringLiteral("E Thermal Comfort 36.8 %"));
        const QIcon bar = table->item(11, 1)->icon();
        QCOMPARE(bar.pixmap(QSize(322, 18), QIcon::Selected).toImage(),
                 bar.pixmap(QSize(322, 18), QIcon::Normal).toImage());
        QVERIFY(!view->findChild<QLabel*>(QStringLiteral("CompareScale"))->pixmap().isNull());

        view->findChild<QComboBox*>(QStringLiteral("CompareSort"))->setCurrentIndex(1 + 5);  // E
        QCOMPARE(view->windowTitle(), QStringLiteral("Compare locations: Data set: Brazil, by share of E"));
        QCOMPARE(view->rows()[size_t(table->currentRow())].Slot, 12);

        table->setFocus();
        table->setCurrentCell(2, 0);
        const int slot = view->rows()[2].Slot;
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(w.state().CurrentLocation, slot);
        QVERIFY(Locations(w)->item(slot - 1)->isSelected());
        QCOMPARE(table->rowCount(), 27);  // the list is the same: the rows stay

        Trigger(w, "DataMun");
        QCOMPARE(table->rowCount(), 50);
    }

    // Every dialog can be laid out within an 800 x 600 screen less a title bar, in English and
    // Portuguese, and opens no wider than the screen (What if and Compare were 900 and 860 wide).
    void everyDialogFitsAnEightHundredBySixHundredScreen()
    {
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        for (bool portuguese : {false, true}) {
            if (portuguese) QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
            MainWindow w({{800, 600, 15}, 1.0});
            BoxLog boxes(w);  // a station catalogue that cannot be read is reported, not waited on
            w.openWeatherFiles({kChicago});
            w.show();
            Trigger(w, "ViewCompare");
            Trigger(w, "UsingQav");
            auto whatIf = std::make_unique<WhatIfDialog>(&w);
            whatIf->showComparison(w.state());
            auto hours = std::make_unique<HoursAnalysedDialog>(w.state().Filter, &w);
            QList<QDialog*> dialogs{w.compareView(), w.findChild<QDialog*>(QStringLiteral("UsingQavHelp")),
                                    whatIf.get(), hours.get()};
            Trigger(w, "FindStation");
            if (w.stationFinder()) dialogs << w.stationFinder();
            for (QDialog* d : dialogs) {
                QVERIFY(d);
                d->show();
                QApplication::processEvents();
                const QString what = QStringLiteral("%1 (%2): %3 x %4")
                                         .arg(d->objectName())
                                         .arg(portuguese)
                                         .arg(d->width())
                                         .arg(d->height());
                const QSize least = d->minimumSizeHint();
                QVERIFY2(least.width() <= 780 && least.height() <= 550, qPrintable(what));
                QVERIFY2(d->width() <= screen.width() - 20 && d->height() <= screen.height() - 50, qPrintable(what));
                d->hide();
            }
            RemoveTranslators();
        }
    }

    // Enter in the warming's field applies it; a value beyond the stated range is refused as
    // typed, with a box, and the shares of the value before are no longer shown.
    void whatIfAppliesOnEnterAndRefusesOutOfRangeTyping()
    {
        MainWindow w(kReferenceScreen);
        BoxLog boxes(w);
        w.show();
        QTimer::singleShot(0, &w, [&] {
            auto* dialog = qobject_cast<WhatIfDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            const auto close = qScopeGuard([dialog] { dialog->reject(); });
            QDoubleSpinBox* field = dialog->uniform();
            QCOMPARE(dialog->focusWidget(), field);  // the first field is the warming
            for (const char* typed : {"3", "35"}) {
                field->selectAll();
                QTest::keyClicks(field, QString::fromLatin1(typed));
                QTest::keyClick(field, Qt::Key_Return);
            }
            QCOMPARE(field->text(), QStringLiteral("35.0 °C"));
            QCOMPARE(dialog->comparison()->rowCount(), 0);
            QCOMPARE(dialog->comparison()->horizontalHeaderItem(1)->text(), QStringLiteral("Now"));
        });
        Trigger(w, "ViewWhatIf");
        QCOMPARE(TextOf(w, QStringLiteral("AnalysisCaption")), QStringLiteral("What if: +3\u00a0°C"));
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].Text, QStringLiteral("'35.0' is not a warming between -30 and 30 °C."));
        // The warmed normals are marked in the panel and in the copied table's month lines.
        QVERIFY(
            w.findChild<QLabel*>(QStringLiteral("WarmedNormalsNote"))->text().contains(QStringLiteral("+3\u00a0°C")));
        QVERIFY(ResultsTableClipboardText(w.state(), u'.').contains(QStringLiteral("\n1,20.4,29.9,76,warmed\n")));
    }

    // Numbers keep their units across a line break; words after a number and numbers without a
    // unit keep their spaces.
    void captionsKeepNumbersWithTheirUnits()
    {
        QCOMPARE(KeepUnitsTogether(QStringLiteral("What if: +2 °C; 80 km and 300 m higher, 86 KB, 19 h, 45 %")),
                 QStringLiteral("What if: +2\u00a0°C; 80\u00a0km and 300\u00a0m higher, 86\u00a0KB, 19\u00a0h, "
                                "45\u00a0%"));
        const QString words = QStringLiteral("12 months, 8 hours a day, 2 mornings, 5 m2, hour 9");
        QCOMPARE(KeepUnitsTogether(words), words);
    }

    void hoursAnalysedCountOnlyTheSelectedHoursAndSaySo()
    {
        MainWindow w(kReferenceScreen);
        HoursAnalysedDialog dialog(w.state().Filter, &w);
        dialog.findChild<QSpinBox*>(QStringLiteral("FirstHour"))->setValue(22);
        dialog.findChild<QSpinBox*>(QStringLiteral("LastHour"))->setValue(5);
        dialog.findChild<QComboBox*>(QStringLiteral("FirstMonth"))->setCurrentIndex(11);
        dialog.findChild<QComboBox*>(QStringLiteral("LastMonth"))->setCurrentIndex(1);
        const QString summary = dialog.findChild<QLabel*>(QStringLiteral("HoursSummary"))->text();
        QCOMPARE(summary, QStringLiteral("Counted: hours 22-5, December-February (8 hours a day, 3 months)"));
        QVERIFY(w.applyAnalysisOptions(dialog.filter(), std::nullopt));
        ExpectMonthTable(w, w.state().Tally);
        QVERIFY(summary.startsWith(TextOf(w, QStringLiteral("AnalysisCaption")) + QStringLiteral(" (")));
        w.applyAnalysisOptions({}, std::nullopt);
        QCOMPARE(TextOf(w, QStringLiteral("AnalysisCaption")), QString());
    }

    // A weather file in its recorded view: What if compares the recorded hours (the figures of
    // qav-cli --epw chicago.epw --warming 2: base_recorded_shares and recorded_shares), says so
    // above the table and shows every column whole at 800 x 600 in Portuguese.
    void whatIfComparesTheRecordedHoursInTheirView()
    {
        QVERIFY(InstallTranslations(*qApp, QLocale(QLocale::Portuguese, QLocale::Brazil)));
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        const auto english = qScopeGuard([] { RemoveTranslators(); });
        MainWindow w({{800, 600, 15}, 1.0});
        w.openWeatherFiles({kChicago});
        w.showRecordedHours();
        WhatIfDialog dialog(&w);
        QString failure;
        QVERIFY(w.applyAnalysisOptions({}, dialog.warming(failure)));
        dialog.showComparison(w.state());
        QTableWidget* table = dialog.comparison();
        QCOMPARE(table->columnCount(), 4);
        QCOMPARE(table->item(1, 1)->text() + u'|' + table->item(1, 2)->text() + u'|' + table->item(1, 3)->text(),
                 QStringLiteral("21,2|19,0|-2,2"));
        QCOMPARE(dialog.compared()->text(), QStringLiteral("Comparadas: as 8760 horas registradas de chicago.epw."));
        dialog.show();
        QApplication::processEvents();
        QVERIFY2(
            table->horizontalHeader()->length() <= table->viewport()->width(),
            qPrintable(
                QStringLiteral("%1 > %2").arg(table->horizontalHeader()->length()).arg(table->viewport()->width())));
        QVERIFY(table->columnWidth(0) >= 150);  // the names keep the room the figures leave
        dialog.hide();
        // The typical view compares the typical days (base_shares 21.1 beside shares 19.8).
        w.showTypicalDays();
        dialog.showComparison(w.state());
        QCOMPARE(table->item(1, 1)->text() + u'|' + table->item(1, 2)->text(), QStringLiteral("21,1|19,8"));
        QCOMPARE(dialog.compared()->text(), QStringLiteral("Comparados: os dias típicos das normais mensais."));
    }

    void whatIfShowsTheSharesSideBySideAndRefusesWhatIsNotAChange()
    {
        MainWindow w(kReferenceScreen);
        BoxLog boxes(w);
        const StrategyTally base = w.state().Tally;
        WhatIfDialog dialog(&w);
        QString failure;
        QVERIFY(w.applyAnalysisOptions({}, dialog.warming(failure)));  // +2 C by default
        QVERIFY(w.state().Warmed);
        dialog.showComparison(w.state());
        QTableWidget* table = dialog.comparison();
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("30.2"));  // B without the warming
        // The warmed shares are pinned by the pipeline's test; here the columns and the sign.
        QCOMPARE(table->item(1, 2)->text(), ShareText(w.state().Tally.YearShare[2], u'.'));
        const QString difference = table->item(1, 3)->text();
        QVERIFY(difference.startsWith(u'-'));
        QCOMPARE(table->item(1, 3)->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("B Solar Heating, typical days difference: %1 points").arg(difference));
        QCOMPARE(w.state().Base.Tally.YearShare[2], base.YearShare[2]);
        QCOMPARE(TextOf(w, QStringLiteral("AnalysisCaption")), QStringLiteral("What if: +2\u00a0°C"));
        // On the offscreen platform's 800 x 600 screen every column shows whole, with no row numbers.
        dialog.show();
        QApplication::processEvents();
        QVERIFY(table->verticalHeader()->isHidden());
        QVERIFY2(
            table->horizontalHeader()->length() <= table->viewport()->width(),
            qPrintable(
                QStringLiteral("%1 > %2").arg(table->horizontalHeader()->length()).arg(table->viewport()->width())));
        dialog.hide();

        dialog.monthlyChoice()->setChecked(true);
        dialog.changes()->item(6, 1)->setText(QStringLiteral("hot"));
        QVERIFY(!dialog.warming(failure));
        QCOMPARE(failure, QStringLiteral("July, DBTmax: 'hot' is not a change between -30 and 30."));
        dialog.changes()->item(6, 1)->setText(QStringLiteral("29"));
        // July's 25.1 + 29 = 54.1 is fine (a refusal's box: the translation test; the state left
        // as it was: the pipeline's warming test).
        QVERIFY(w.applyAnalysisOptions({}, dialog.warming(failure)));
        QCOMPARE(boxes.size(), size_t(0));
    }
};

RegisterTest<AnalysisOptionsTest> registerAnalysisOptions;

}  // namespace qav::test

#include "analysis_options_test.moc"
