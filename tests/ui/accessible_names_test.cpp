// Parts a screen reader would find nameless are named as their window shows: the drop-down
// lists of Qt's own file dialog after their labels, a message box's icon after its kind.

#include "tests/ui/window_test_helpers.h"
#include "ui/accessible_names.h"

namespace qav::test {

class AccessibleNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { NameUnnamedPartsOfEveryWindow(*qApp); }

    void fileDialogListsAndMessageIconAreNamedAsTheyShow()
    {
        QFileDialog dialog(nullptr, QStringLiteral("Export"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QStringList lists;
        for (const QComboBox* box : dialog.findChildren<QComboBox*>()) lists << box->view()->accessibleName();
        lists.sort();
        QCOMPARE(lists.join(u'|'), QStringLiteral("Files of type|Look in"));

        QMessageBox box(QMessageBox::Warning, QStringLiteral("QAV"), QStringLiteral("text"));
        box.show();
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))->accessibleName(),
                 QStringLiteral("Warning"));
        QWidget window;
        auto* named = new QComboBox(&window);
        named->setAccessibleName(QStringLiteral("Second wind rose"));
        auto* labelled = new QComboBox(&window);
        (new QLabel(QStringLiteral("Pro&jection:"), &window))->setBuddy(labelled);
        window.show();
        QCOMPARE(named->view()->accessibleName() + u'|' + labelled->view()->accessibleName(),
                 QStringLiteral("Second wind rose|Projection"));
    }
};

RegisterTest<AccessibleNamesTest> registerAccessibleNames;

}  // namespace qav::test

#include "accessible_names_test.moc"
