#pragma once
// Shared by the window's Qt tests: registration of the test classes, the reference screen,
// closing modal boxes without letting a test hang, and what the window shows.
#include <QtWidgets>  // with the whole of Qt Gui
#include <QtTest>     // with the whole of Qt Core
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/version.h"
#include "data/builtin_sets.h"
#include "data/md_writer.h"
#include "ui/canvas_view.h"
#include "ui/main_window.h"
#include "ui/results_panel.h"

namespace qav::test {

// Every test class registers itself; ui_test_main.cpp runs them, all or the ones named.
struct TestClass {
    const QMetaObject* Meta;  // its class name, known before any object is made
    std::function<std::unique_ptr<QObject>()> Make;
};
std::vector<TestClass>& AllTestObjects();
template <typename T>
struct RegisterTest {
    RegisterTest()
    {
        AllTestObjects().push_back({&T::staticMetaObject, [] { return std::make_unique<T>(); }});
    }
};

// The reference screen of the layout: its numbers are the ones qav-cli reproduces by default.
inline const StartupScreen kReferenceScreen{{1024, 768, 15}, 1.0};
inline const QString kChicago = QStringLiteral(QAV_FIXTURES_DIR "/chicago.epw");  // a recorded weather year
/// The version as the window shows it, from the build.
inline const QString kShownVersion = QString::fromUtf8(kVersion.data(), qsizetype(kVersion.size()));

struct RecordedBox {
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QString Title, Text;
    int Buttons = 0;
};

// Closes the next modal message box with its OK button, recording what it showed. Gives up
// after five seconds, rejecting whatever modal dialog is open, so no test can hang.
class BoxCloser : public QObject {
  public:
    explicit BoxCloser(std::optional<RecordedBox>& seen) : seen_(seen)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen_ = RecordedBox{box->icon(), box->windowTitle(), box->text(), int(box->buttons().size())};
                if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                    ok->click();
                else
                    box->reject();
                timer_.stop();
            } else if (++polls_ > 500) {
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
                timer_.stop();
            }
        });
        timer_.start(10);
    }

  private:
    std::optional<RecordedBox>& seen_;
    QTimer timer_;
    int polls_ = 0;
};

// The boxes the window shows, recorded instead of opened.
struct BoxLog : std::vector<RecordedBox> {
    explicit BoxLog(MainWindow& w)
    {
        w.setMessageSink([this](QMessageBox::Icon icon, const QString& title, const QString& text) {
            push_back({icon, title, text, 1});
        });
    }
    BoxLog(const BoxLog&) = delete;
    BoxLog& operator=(const BoxLog&) = delete;
};

// Each test starts as a first run, in the C locale.
inline void StartAsFirstRun()
{
    QLocale::setDefault(QLocale::c());
    QSettings().clear();
}

// The other tests read the English texts: a test that installs translators removes them.
inline void RemoveTranslators()
{
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

inline void Show(QWidget& w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

// The first `count` locations of a built-in set, as a table of their own, and its file.
inline LocationTable FirstLocations(DataSetKind kind, int count)
{
    LocationTable table;
    LoadDataSet(kind, table);
    table.LocationCount = count;  // the writer and the list stop there
    return table;
}
inline QByteArray MonthlyData(const LocationTable& table) { return QByteArray::fromStdString(WriteMonthlyData(table)); }

inline QString TextOf(const MainWindow& w, const QString& name)
{
    if (auto* edit = w.findChild<QLineEdit*>(name)) return edit->text();
    if (auto* label = w.findChild<QLabel*>(name)) return label->text();
    return QStringLiteral("<no control %1>").arg(name);
}

inline QListWidget* Locations(const MainWindow& w) { return w.findChild<QListWidget*>(QStringLiteral("List1")); }
inline QImage Picture(const MainWindow& w, const char* name)
{
    return w.findChild<CanvasView*>(QString::fromLatin1(name))->image().convertToFormat(QImage::Format_RGB32);
}

inline void Trigger(MainWindow& w, const char* command)
{
    auto* action = w.findChild<QAction*>(QString::fromLatin1(command));
    QVERIFY2(action, command);
    action->trigger();
}

inline void ClickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// " Name (Country)": the panel's first line for the location analysed.
inline QString Heading(const LocationRecord& l)
{
    return QStringLiteral(" %1 (%2)").arg(QString::fromStdString(l.LocationName), QString::fromStdString(l.Country));
}

// Everything the user sees of an analysis, and the state behind it, for before/after checks.
inline QStringList Snapshot(const MainWindow& w)
{
    QStringList s;
    for (int i = 0; i < Locations(w)->count(); ++i)
        s << Locations(w)->item(i)->text() + QLatin1String(Locations(w)->item(i)->isSelected() ? "*" : "");
    for (const QLineEdit* edit : w.findChild<const ResultsPanel*>()->findChildren<const QLineEdit*>())
        s << edit->text();
    for (const QLabel* label : w.findChild<const ResultsPanel*>()->findChildren<const QLabel*>()) s << label->text();
    for (const char* name : {"Picture1", "Picture3"}) {
        const QImage image = Picture(w, name);
        s << QString::number(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
    }
    const AnalysisState& st = w.state();
    s << QStringLiteral("%1/%2 %3")
             .arg(st.CurrentLocation)
             .arg(st.Locations.LocationCount)
             .arg(st.DataSetKind.ShowingBrazil);
    return s;
}

// The strategy shares of the panel's "% (time)" column.
inline void ExpectPanelShares(const MainWindow& w, const StrategyTally& tally)
{
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(TextOf(w, QStringLiteral("Label5_%1").arg(i)), ShareText(tally.YearShare[i], u'.'));
}

// The month x strategy view shows the tally's hours, and the year's in the last column.
inline void ExpectMonthTable(const MainWindow& w, const StrategyTally& tally)
{
    const auto* table = w.findChild<const QTableWidget*>(QStringLiteral("MonthStrategyTable"));
    QVERIFY(table && table->rowCount() == 10 && table->columnCount() == 14);
    for (int st = 1; st <= 10; ++st) {
        int year = 0;
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(table->item(st - 1, m - 1)->text(), QString::number(tally.MonthHours[st][m]));
            year += tally.MonthHours[st][m];
        }
        QCOMPARE(table->item(st - 1, 12)->text(), QString::number(year));
        // Beside the hours counted, the merged share exactly as the legend prints it.
        QCOMPARE(table->item(st - 1, 13)->text(),
                 tally.YearShare[st] == 0 ? QString() : QString::number(tally.YearShare[st], 'f', 1));
    }
}

inline QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QString WriteFile(const QString& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Drags local files over the window and drops them; returns whether the window took them.
inline bool DropFiles(MainWindow& w, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    QDragEnterEvent enter(w.rect().center(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(w.rect().center()), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    return drop.isAccepted();
}

}  // namespace qav::test
