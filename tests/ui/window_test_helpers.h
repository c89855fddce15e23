#pragma once
// Helpers shared by the window's Qt tests: the reference screen, reading a control's text,
// triggering a menu command, closing a modal message box without letting a test hang, taking a
// snapshot of what the window shows, and dropping files on it.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <optional>
#include <vector>

#include "ui/canvas_view.h"
#include "ui/main_window.h"
#include "ui/results_panel.h"

namespace qav::test {

// The reference screen of the layout: its numbers are the ones qav-cli reproduces by default.
inline const StartupScreen kReferenceScreen{{1024, 768, 15}, 1.0};

struct RecordedBox {
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QString Title;
    QString Text;
    int Buttons = 0;
};

// Closes the next modal message box with its OK button, recording what it showed. Gives up
// after a few seconds, rejecting whatever modal widget is open, so no test can hang.
class BoxCloser : public QObject {
public:
    explicit BoxCloser(std::optional<RecordedBox>& seen) : seen_(seen)
    {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(10);
    }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen_ = RecordedBox{box->icon(), box->windowTitle(), box->text(), int(box->buttons().size())};
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click(); else box->reject();
            timer_.stop();
        } else if (++polls_ > 500) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            timer_.stop();
        }
    }

    std::optional<RecordedBox>& seen_;
    QTimer timer_;
    int polls_ = 0;
};

inline QString TextOf(const MainWindow& w, const QString& name)
{
    if (auto* edit = w.findChild<QLineEdit*>(name)) return edit->text();
    if (auto* label = w.findChild<QLabel*>(name)) return label->text();
    return QStringLiteral("<no control %1>").arg(name);
}

// What the user sees of an analysis: the list and its selection, both pictures, every text of
// the results panel, and the state behind them.
struct WindowSnapshot {
    QStringList ListEntries;
    QList<int> SelectedRows;
    QImage Chart;
    QImage Graph;
    QStringList PanelTexts;
    int CurrentLocation = 0;
    int LocationCount = 0;
    bool ShowingBrazil = false;
    QString CurrentName;
};

inline WindowSnapshot Snapshot(const MainWindow& w)
{
    WindowSnapshot s;
    const auto* list = w.findChild<const QListWidget*>(QStringLiteral("List1"));
    for (int i = 0; i < list->count(); ++i) {
        s.ListEntries << list->item(i)->text();
        if (list->item(i)->isSelected()) s.SelectedRows << i;
    }
    s.Chart = w.findChild<const CanvasView*>(QStringLiteral("Picture1"))->image().copy();
    s.Graph = w.findChild<const CanvasView*>(QStringLiteral("Picture3"))->image().copy();
    const auto* panel = w.findChild<const ResultsPanel*>();
    for (const QLineEdit* edit : panel->findChildren<const QLineEdit*>()) s.PanelTexts << edit->text();
    for (const QLabel* label : panel->findChildren<const QLabel*>()) s.PanelTexts << label->text();
    s.CurrentLocation = w.state().CurrentLocation;
    s.LocationCount = w.state().Locations.LocationCount;
    s.ShowingBrazil = w.state().DataSetKind.ShowingBrazil;
    s.CurrentName = QString::fromStdString(w.state().Current().LocationName);
    return s;
}

inline void ExpectSameWindow(const WindowSnapshot& after, const WindowSnapshot& before)
{
    QCOMPARE(after.ListEntries, before.ListEntries);
    QCOMPARE(after.SelectedRows, before.SelectedRows);
    QVERIFY(after.Chart == before.Chart);
    QVERIFY(after.Graph == before.Graph);
    QCOMPARE(after.PanelTexts, before.PanelTexts);
    QCOMPARE(after.CurrentLocation, before.CurrentLocation);
    QCOMPARE(after.LocationCount, before.LocationCount);
    QCOMPARE(after.ShowingBrazil, before.ShowingBrazil);
    QCOMPARE(after.CurrentName, before.CurrentName);
}

// Records the boxes the window shows instead of opening them.
inline std::vector<RecordedBox>& RecordBoxes(MainWindow& w, std::vector<RecordedBox>& boxes)
{
    w.setMessageSink([&boxes](QMessageBox::Icon icon, const QString& title, const QString& text) {
        boxes.push_back({icon, title, text, 1});
    });
    return boxes;
}

// Sends a drag of local files over the window and drops it; returns whether the window took it.
inline bool DropFiles(MainWindow& w, const QStringList& paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    const QPoint centre = w.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    return drop.isAccepted();
}

inline void Trigger(MainWindow& w, const char* command)
{
    auto* action = w.findChild<QAction*>(QString::fromLatin1(command));
    QVERIFY2(action, command);
    action->trigger();
}

}  // namespace qav::test
