// Drives the Monthly Data file chooser of the real window: opening and placing it, the files it
// lists, loading a file by mouse, keyboard and drop, Cancel, and bad files that must leave the
// previous analysis exactly as it was.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "data/builtin_sets.h"
#include "data/md_reader.h"
#include "data/md_writer.h"
#include "tests/ui/ui_tests.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/file_chooser_panel.h"

namespace qav::test {
namespace {

// The first `count` locations of a built-in set, as a table of their own.
LocationTable FirstLocations(DataSetKind kind, int count)
{
    LocationTable all;
    LoadDataSet(kind, all);
    LocationTable table;
    table.LocationCount = count;
    for (int slot = 1; slot <= count; ++slot) table.Slot[slot] = all.Slot[slot];
    return table;
}

QString WriteFile(const QString& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray MonthlyData(const LocationTable& table)
{
    return QByteArray::fromStdString(WriteMonthlyData(table));
}

FileChooserPanel* Panel(MainWindow& w) { return w.findChild<FileChooserPanel*>(QStringLiteral("Picture10")); }
QListWidget* Files(MainWindow& w) { return w.findChild<QListWidget*>(QStringLiteral("File1")); }
QListWidget* Locations(MainWindow& w) { return w.findChild<QListWidget*>(QStringLiteral("List1")); }

QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
}

QStringList EntriesOf(const LocationTable& table)
{
    QStringList entries;
    for (int slot = 1; slot <= table.LocationCount; ++slot)
        entries << u' ' + QString::fromStdString(table.Slot[slot].LocationName);
    return entries;
}

// Opens the chooser with MOpen and shows `folder` in it.
FileChooserPanel* OpenChooserAt(MainWindow& w, const QString& folder)
{
    Trigger(w, "MOpen");
    FileChooserPanel* panel = Panel(w);
    if (!panel->setFolder(folder)) qFatal("cannot show %s", qPrintable(folder));
    return panel;
}

void ClickFile(MainWindow& w, const QString& name)
{
    QListWidget* files = Files(w);
    const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
}

void ClickLocation(MainWindow& w, int row)
{
    QListWidget* list = Locations(w);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

}  // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void namesMatchQavTxtWithoutRegardToCase()
    {
        struct Row { const char* name; bool matches; };
        for (Row r : {Row{"QAVworld.TXT", true}, Row{"qavtest.txt", true}, Row{"QavZ.Txt", true},
                      Row{"QAV.TXT", true}, Row{"QA.TXT", false}, Row{"QAVTXT", false},
                      Row{"xQAV.TXT", false}, Row{"QAVworld.TXT.bak", false}, Row{"QAVworld.csv", false}}) {
            QVERIFY2(IsMonthlyDataFileName(QString::fromLatin1(r.name)) == r.matches, r.name);
        }
    }

    void ctrlOOpensTheChooserCentredOverTheWindow()
    {
        MainWindow w(kReferenceScreen);
        w.resize(1000, 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        FileChooserPanel* panel = Panel(w);
        QVERIFY(panel && panel->isHidden());
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(panel->isVisible());
        QCOMPARE(TextOf(w, QStringLiteral("Label29")),
                 QStringLiteral("          QAV-06                 Open Climatic Data File"));
        QCOMPARE(TextOf(w, QStringLiteral("Label17")), QStringLiteral(" Monthly Data:   MD*.TXT"));
        QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("Command15"))->text(), QStringLiteral("Cancel"));
        // Centred across, and at the window's height / 2.5 down: a little above the middle.
        QVERIFY(std::abs(panel->x() + panel->width() / 2.0 - 500) <= 1);
        QVERIFY(std::abs(panel->y() + panel->height() / 2.0 - 280) <= 1);
        QVERIFY(panel->isAncestorOf(QApplication::focusWidget()));
        // The start folder is the current directory; the drive list holds the file-system root.
        QCOMPARE(panel->currentFolder(), QDir::cleanPath(QDir::currentPath()));
        QVERIFY(w.findChild<QComboBox*>(QStringLiteral("Drive1"))->findText(QStringLiteral("/")) >= 0);
        // The panel follows the window's size.
        w.resize(800, 650);
        QTRY_VERIFY(std::abs(panel->x() + panel->width() / 2.0 - 400) <= 1);
    }

    void fileListShowsQavTextFilesInAnyCase()
    {
        QTemporaryDir dir;
        const QByteArray data = MonthlyData(FirstLocations(DataSetKind::World, 1));
        for (const char* name : {"QAVthree.TXT", "qavtest.txt", "QavZ.Txt", "other.txt", "QAV.doc", "notes.TXT"})
            WriteFile(dir.path(), QString::fromLatin1(name), data);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("QAVfolder.TXT")));  // a folder is not a file
        MainWindow w(kReferenceScreen);
        OpenChooserAt(w, dir.path());
        QCOMPARE(Entries(Files(w)), (QStringList{QStringLiteral("qavtest.txt"), QStringLiteral("QAVthree.TXT"),
                                                 QStringLiteral("QavZ.Txt")}));
    }

    void clickingAFileLoadsItAtOnce()
    {
        QTemporaryDir dir;
        const LocationTable three = FirstLocations(DataSetKind::World, 3);
        WriteFile(dir.path(), QStringLiteral("qavtest.txt"), MonthlyData(three));
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::vector<RecordedBox> boxes;
        RecordBoxes(w, boxes);
        const QImage brasilia = Snapshot(w).Chart;

        OpenChooserAt(w, dir.path());
        ClickFile(w, QStringLiteral("qavtest.txt"));
        QVERIFY(boxes.empty());
        QVERIFY(Panel(w)->isHidden());
        QCOMPARE(Entries(Locations(w)), EntriesOf(three));
        QVERIFY(Locations(w)->selectedItems().isEmpty());
        QCOMPARE(w.state().CurrentLocation, 1);
        QCOMPARE(TextOf(w, QStringLiteral("Text5_0")),
                 QStringLiteral(" %1 (%2)").arg(QString::fromStdString(three.Slot[1].LocationName),
                                                QString::fromStdString(three.Slot[1].Country)));
        QVERIFY(Snapshot(w).Chart != brasilia);
        QVERIFY(Locations(w)->hasFocus());  // back where the keyboard was before the chooser

        // No built-in set counts as shown: Brazil loads again without the "already" box.
        Trigger(w, "DataBras");
        QVERIFY(boxes.empty());
        QCOMPARE(Locations(w)->count(), 27);
    }

    void badFilesShowTheReadersMessageAndChangeNothing()
    {
        QTemporaryDir dir;
        const QByteArray two = MonthlyData(FirstLocations(DataSetKind::SouthAmerica, 2));
        QList<QByteArray> lines = two.split('\n');
        lines[15] = "3,12.5,1e30,70";  // March of the second location: a DBTmax no climate has
        const QByteArray outOfRange = lines.join('\n');
        lines = two.split('\n');
        lines[1] = "1,warm,26.9,76";  // January's DBTmin of the first location is a word
        const QByteArray text = lines.join('\n');
        struct Row { const char* name; QByteArray bytes; const char* starts; };
        const Row rows[] = {
            {"QAVrange.TXT", outOfRange, "Err code 22\n"},
            {"QAVtext.TXT", text, "Err code 20\n"},
            {"QAVshort.TXT", "\"Lima\",\"Peru\",-12.1,-77.0,13,\"BBC\"\n1,19,26,80\n", "The file holds no complete location."},
            {"QAVgone.TXT", two, "File not found"},
        };
        for (const Row& r : rows) WriteFile(dir.path(), QString::fromLatin1(r.name), r.bytes);

        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ClickLocation(w, 2);
        QCOMPARE(w.state().CurrentLocation, 3);
        const WindowSnapshot before = Snapshot(w);

        for (const Row& r : rows) {
            const QString name = QString::fromLatin1(r.name);
            OpenChooserAt(w, dir.path());
            // Listed when the panel opened, deleted before the click.
            if (name == QLatin1String("QAVgone.TXT")) QVERIFY(QFile::remove(QDir(dir.path()).filePath(name)));
            std::optional<RecordedBox> seen;
            BoxCloser closer(seen);
            ClickFile(w, name);  // returns once the box is closed
            QVERIFY2(seen, r.name);
            QCOMPARE(seen->Icon, QMessageBox::NoIcon);
            QCOMPARE(seen->Buttons, 1);
            QCOMPARE(seen->Title, QStringLiteral("QAV 1.3"));
            QVERIFY2(seen->Text.startsWith(QString::fromLatin1(r.starts)), qPrintable(seen->Text));
            const ReadResult read = ReadMonthlyDataFile(QDir(dir.path()).filePath(name).toStdString());
            QVERIFY(read.failure);
            QCOMPARE(seen->Text, QString::fromStdString(read.failure->message));  // exactly the reader's
            QVERIFY(Panel(w)->isHidden());
            ExpectSameWindow(Snapshot(w), before);
        }

        // Everything still works on the previous data set: a click analyses the slot clicked.
        ClickLocation(w, 5);
        QCOMPARE(w.state().CurrentLocation, 6);
        QCOMPARE(TextOf(w, QStringLiteral("Text5_0")),
                 QStringLiteral(" %1 (Brazil)").arg(QString::fromStdString(w.state().Locations.Slot[6].LocationName)));
    }

    void cancelAndEscapeChangeNothing()
    {
        QTemporaryDir dir;
        WriteFile(dir.path(), QStringLiteral("QAVthree.TXT"), MonthlyData(FirstLocations(DataSetKind::World, 3)));
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const WindowSnapshot before = Snapshot(w);

        OpenChooserAt(w, dir.path());
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command15")), Qt::LeftButton);
        QVERIFY(Panel(w)->isHidden());
        ExpectSameWindow(Snapshot(w), before);

        OpenChooserAt(w, dir.path());
        QTest::keyClick(Files(w), Qt::Key_Escape);
        QVERIFY(Panel(w)->isHidden());
        ExpectSameWindow(Snapshot(w), before);
        QVERIFY(Locations(w)->hasFocus());
    }

    void keyboardOpensFoldersAndFiles()
    {
        QTemporaryDir dir;
        WriteFile(dir.path(), QStringLiteral("QAVthree.TXT"), MonthlyData(FirstLocations(DataSetKind::World, 3)));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const LocationTable two = FirstLocations(DataSetKind::SouthAmerica, 2);
        WriteFile(dir.path() + QStringLiteral("/sub"), QStringLiteral("QAVsub.TXT"), MonthlyData(two));
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        FileChooserPanel* panel = OpenChooserAt(w, dir.path());
        auto* drive = w.findChild<QComboBox*>(QStringLiteral("Drive1"));
        auto* folders = w.findChild<QTreeWidget*>(QStringLiteral("Dir1"));
        auto* cancel = w.findChild<QPushButton*>(QStringLiteral("Command15"));

        // Tab goes round the panel's controls, and Shift+Tab back.
        Files(w)->setFocus();
        for (QWidget* next : {static_cast<QWidget*>(cancel), static_cast<QWidget*>(drive),
                              static_cast<QWidget*>(folders), static_cast<QWidget*>(Files(w))}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(folders));

        // The folder list: the current folder is highlighted, its subfolder below it.
        QTest::keyClick(folders, Qt::Key_Down);
        QCOMPARE(folders->currentItem()->text(0), QStringLiteral("sub"));
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(panel->currentFolder(), QDir::cleanPath(dir.path() + QStringLiteral("/sub")));
        QCOMPARE(Entries(Files(w)), QStringList{QStringLiteral("QAVsub.TXT")});
        // Up to the parent and back into the subfolder.
        QTest::keyClick(folders, Qt::Key_Up);
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(panel->currentFolder(), QDir::cleanPath(dir.path()));
        QCOMPARE(Entries(Files(w)), QStringList{QStringLiteral("QAVthree.TXT")});
        panel->setFolder(dir.path() + QStringLiteral("/sub"));

        // Tab to the file list makes its first file current; Enter loads it.
        QTest::keyClick(folders, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Files(w)));
        QTest::keyClick(Files(w), Qt::Key_Return);
        QVERIFY(panel->isHidden());
        QCOMPARE(Entries(Locations(w)), EntriesOf(two));
    }

    void enterWithoutAFileAsksForOne()
    {
        QTemporaryDir dir;  // no Monthly Data file in it
        MainWindow w(kReferenceScreen);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::vector<RecordedBox> boxes;
        RecordBoxes(w, boxes);
        const WindowSnapshot before = Snapshot(w);
        FileChooserPanel* panel = OpenChooserAt(w, dir.path());
        Files(w)->setFocus();
        QTest::keyClick(Files(w), Qt::Key_Return);
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].Text, QStringLiteral("Select the file"));
        QCOMPARE(boxes[0].Icon, QMessageBox::NoIcon);
        QVERIFY(panel->isVisible());  // the panel stays open for a choice
        ExpectSameWindow(Snapshot(w), before);
    }

    void driveListOpensTheRoot()
    {
        QTemporaryDir dir;
        MainWindow w(kReferenceScreen);
        FileChooserPanel* panel = OpenChooserAt(w, dir.path());
        auto* drive = w.findChild<QComboBox*>(QStringLiteral("Drive1"));
        const int root = drive->findText(QStringLiteral("/"));
        QVERIFY(root >= 0);
        drive->setCurrentIndex(root);
        emit drive->activated(root);
        QCOMPARE(panel->currentFolder(), QStringLiteral("/"));
        auto* folders = w.findChild<QTreeWidget*>(QStringLiteral("Dir1"));
        QCOMPARE(folders->topLevelItem(0)->text(0), QStringLiteral("/"));
        QCOMPARE(folders->currentItem(), folders->topLevelItem(0));
        // A folder that cannot be shown changes nothing.
        QVERIFY(!panel->setFolder(dir.path() + QStringLiteral("/missing")));
        QCOMPARE(panel->currentFolder(), QStringLiteral("/"));
    }

    void reopeningAfterTheFolderWentShowsItsNearestParent()
    {
        QTemporaryDir dir;
        const QString deep = dir.path() + QStringLiteral("/a/b");
        QVERIFY(QDir().mkpath(deep));
        MainWindow w(kReferenceScreen);
        OpenChooserAt(w, deep)->cancel();
        QVERIFY(QDir(dir.path() + QStringLiteral("/a")).removeRecursively());
        Trigger(w, "MOpen");
        QCOMPARE(Panel(w)->currentFolder(), QDir::cleanPath(dir.path()));
    }

    void droppedMonthlyDataFileLoads()
    {
        QTemporaryDir dir;
        const LocationTable three = FirstLocations(DataSetKind::World, 3);
        const QString file = WriteFile(dir.path(), QStringLiteral("QAVthree.TXT"), MonthlyData(three));
        const QString other = WriteFile(dir.path(), QStringLiteral("readme.pdf"), "%PDF");
        MainWindow w(kReferenceScreen);
        std::vector<RecordedBox> boxes;
        RecordBoxes(w, boxes);
        QVERIFY(!DropFiles(w, {other}));
        QVERIFY(!DropFiles(w, {file, file}));  // two Monthly Data files at once: which one?
        QCOMPARE(w.state().Locations.LocationCount, 27);
        QVERIFY(DropFiles(w, {file}));
        QTRY_COMPARE(Entries(Locations(w)), EntriesOf(three));
        QVERIFY(boxes.empty());
        QVERIFY(!w.state().DataSetKind.ShowingBrazil);
    }
};

namespace {
RegisterTest<FileChooserTest> registerFileChooser;
}

}  // namespace qav::test

#include "file_chooser_test.moc"
