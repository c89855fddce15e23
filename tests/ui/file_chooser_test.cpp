// Drives the Monthly Data file chooser of the real window: the files it lists, loading a file by
// mouse, keyboard and drop, Cancel, and bad files that must leave the previous analysis as it was.

#include "data/md_reader.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/file_chooser_panel.h"

namespace qav::test {
namespace {

FileChooserPanel* Panel(MainWindow& w) { return w.findChild<FileChooserPanel*>(QStringLiteral("Picture10")); }
QListWidget* Files(MainWindow& w) { return w.findChild<QListWidget*>(QStringLiteral("File1")); }

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

FileChooserPanel* OpenChooserAt(MainWindow& w, const QString& folder)
{
    Trigger(w, "MOpen");
    if (!Panel(w)->setFolder(folder)) qFatal("cannot show %s", qPrintable(folder));
    return Panel(w);
}

void ClickFile(MainWindow& w, const QString& name)
{
    const QList<QListWidgetItem*> found = Files(w)->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    ClickRow(Files(w), Files(w)->row(found.first()));
}

}  // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { StartAsFirstRun(); }

    // Ctrl+O opens the chooser; Cancel and Escape change nothing; the list holds "QAV*.TXT" and the
    // caption's "MD*.TXT" in any case (MD files once never showed); a
    // click loads the file at once (and marks no built-in set as shown: the pipeline's test).
    void chooserListsQavFilesAndAClickLoadsOne()
    {
        QTemporaryDir dir;
        const LocationTable three = FirstLocations(DataSetKind::World, 3);
        WriteFile(dir.path(), QStringLiteral("qavtest.txt"), MonthlyData(three));
        for (const char* name : {"QAVthree.TXT", "QavZ.Txt", "other.txt", "QAV.doc", "notes.TXT", "xQAV.TXT",
                                 "QAVa.TXT.bak", "MDrio.txt", "md.TXT", "MD.doc", "xMD.TXT", "MDX"})
            WriteFile(dir.path(), QString::fromLatin1(name), "");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("QAVfolder.TXT")));  // a folder is not a file
        MainWindow w(kReferenceScreen);
        Show(w);
        BoxLog boxes(w);
        const QStringList before = Snapshot(w);
        const QImage brasilia = Picture(w, "Picture1");
        QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(Panel(w)->isVisible());
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command15")), Qt::LeftButton);
        QVERIFY(Panel(w)->isHidden() && Snapshot(w) == before);
        OpenChooserAt(w, dir.path());
        QTest::keyClick(Files(w), Qt::Key_Escape);
        QVERIFY(Panel(w)->isHidden() && Snapshot(w) == before);

        OpenChooserAt(w, dir.path());
        QCOMPARE(Entries(Files(w)), (QStringList{"md.TXT", "MDrio.txt", "qavtest.txt", "QAVthree.TXT", "QavZ.Txt"}));
        ClickFile(w, QStringLiteral("qavtest.txt"));
        QVERIFY(boxes.empty() && Panel(w)->isHidden());
        QCOMPARE(Entries(Locations(w)), EntriesOf(three));
        QCOMPARE(TextOf(w, QStringLiteral("Text5_0")), Heading(three.Slot[1]));
        QVERIFY(Picture(w, "Picture1") != brasilia);
        QVERIFY(Locations(w)->hasFocus());  // back where the keyboard was before the chooser
    }

    void badFilesShowTheReadersMessageAndChangeNothing()
    {
        QTemporaryDir dir;
        const QByteArray two = MonthlyData(FirstLocations(DataSetKind::SouthAmerica, 2));
        QList<QByteArray> lines = two.split('\n');
        lines[15] = "2,12.5,1e30,70";  // February of the second location: a DBTmax no climate has
        struct Row {
            const char* name;
            QByteArray bytes;
            const char* lines;
        };
        const Row rows[] = {
            {"QAVrange.TXT", lines.join('\n'),
             "'1e30' is out of range (-90 to 55).\nLine 16, field 3 (DBTmax), location 2 (Bogota).\nErr code 22\n"},
            {"QAVshort.TXT", "\"Lima\",\"Peru\",-12.1,-77.0,13,\"BBC\"\n1,19,26,80\n",
             "The file holds no complete location: it ends after 10 of the 54 fields of a location.\nLine 2, location 1 (Lima).\nErr code 30\n"},
            {"QAVgone.TXT", two, "File not found.\nErr code 1\n"},
        };
        for (const Row& r : rows) WriteFile(dir.path(), QString::fromLatin1(r.name), r.bytes);

        MainWindow w(kReferenceScreen);
        Show(w);
        ClickRow(Locations(w), 2);
        const QStringList before = Snapshot(w);
        for (const Row& r : rows) {
            const QString path = QDir(dir.path()).filePath(QString::fromLatin1(r.name));
            OpenChooserAt(w, dir.path());
            if (path.endsWith(QLatin1String("gone.TXT"))) QVERIFY(QFile::remove(path));  // listed, then deleted
            std::optional<RecordedBox> seen;
            BoxCloser closer(seen);
            ClickFile(w, QString::fromLatin1(r.name));  // returns once the box is closed
            QVERIFY2(seen, r.name);
            // One form for every read error: warning icon, then the file, the reason, the
            // position and the code on lines of their own.
            QCOMPARE(seen->Title, "QAV " + kShownVersion);
            QCOMPARE(seen->Icon, QMessageBox::Warning);
            QCOMPARE(seen->Text, QDir::toNativeSeparators(path) + u'\n' + QString::fromLatin1(r.lines));
            QVERIFY(Panel(w)->isHidden());
            QCOMPARE(Snapshot(w), before);
        }
        // The previous data set still works: a click analyses the slot clicked.
        ClickRow(Locations(w), 5);
        QCOMPARE(w.state().CurrentLocation, 6);
        QCOMPARE(TextOf(w, QStringLiteral("Text5_0")), Heading(w.state().Locations.Slot[6]));
    }

    // Enter with no file asks for one; the folder list and Enter reach a file in a subfolder; the
    // drive list opens the root; a folder that cannot be shown changes nothing.
    void keyboardFoldersAndDrives()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        const LocationTable two = FirstLocations(DataSetKind::SouthAmerica, 2);
        WriteFile(dir.filePath(QStringLiteral("sub")), QStringLiteral("QAVsub.TXT"), MonthlyData(two));
        MainWindow w(kReferenceScreen);
        Show(w);
        BoxLog boxes(w);
        const QStringList before = Snapshot(w);
        FileChooserPanel* panel = OpenChooserAt(w, dir.path());
        Files(w)->setFocus();
        QTest::keyClick(Files(w), Qt::Key_Return);
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].Text, QStringLiteral("Select the file"));
        QVERIFY(panel->isVisible() && Snapshot(w) == before);  // the panel stays open for a choice

        auto* folders = w.findChild<QTreeWidget*>(QStringLiteral("Dir1"));
        folders->setFocus();
        QTest::keyClick(folders, Qt::Key_Down);  // from the current folder to its subfolder
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(panel->currentFolder(), QDir::cleanPath(dir.filePath(QStringLiteral("sub"))));
        QTest::keyClick(folders, Qt::Key_Tab);  // the file list, its first file current
        QTest::keyClick(Files(w), Qt::Key_Return);
        QVERIFY(panel->isHidden());
        QCOMPARE(Entries(Locations(w)), EntriesOf(two));

        Trigger(w, "MOpen");
        auto* drive = w.findChild<QComboBox*>(QStringLiteral("Drive1"));
        QCOMPARE(drive->view()->accessibleName(), QStringLiteral("Drives"));  // its drop-down list too
        const int root = drive->findText(QStringLiteral("/"));
        QVERIFY(root >= 0);
        drive->setCurrentIndex(root);
        emit drive->activated(root);
        QCOMPARE(panel->currentFolder(), QStringLiteral("/"));
        QCOMPARE(folders->currentItem()->text(0), QStringLiteral("/"));
        QVERIFY(!panel->setFolder(dir.filePath(QStringLiteral("missing"))));
        QCOMPARE(panel->currentFolder(), QStringLiteral("/"));

        // Reopened after its folder went, the chooser shows the nearest remaining parent.
        QVERIFY(panel->setFolder(dir.filePath(QStringLiteral("sub"))));
        panel->cancel();
        QVERIFY(QDir(dir.filePath(QStringLiteral("sub"))).removeRecursively());
        Trigger(w, "MOpen");
        QCOMPARE(panel->currentFolder(), QDir::cleanPath(dir.path()));
    }

    // A drop opens one Monthly Data file, or weather files; never a mix, two MD files or others.
    void droppedFilesOpen()
    {
        QTemporaryDir dir;
        const LocationTable three = FirstLocations(DataSetKind::World, 3);
        const QString md = WriteFile(dir.path(), QStringLiteral("QAVthree.TXT"), MonthlyData(three));
        const QString pdf = WriteFile(dir.path(), QStringLiteral("readme.pdf"), "%PDF");
        MainWindow w(kReferenceScreen);
        for (const QStringList& refused : {QStringList{pdf}, QStringList{md, md}, QStringList{kChicago, md}})
            QVERIFY2(!DropFiles(w, refused), qPrintable(refused.join(u' ')));
        QCOMPARE(w.state().Locations.LocationCount, 27);
        QVERIFY(DropFiles(w, {md}));
        QTRY_COMPARE(Entries(Locations(w)), EntriesOf(three));
        QVERIFY(DropFiles(w, {kChicago, kChicago}));
        QTRY_COMPARE(Locations(w)->count(), 2);
        QVERIFY(w.state().CurrentRecorded());
    }
};

namespace {
RegisterTest<FileChooserTest> registerFileChooser;
}

}  // namespace qav::test

#include "file_chooser_test.moc"
