#pragma once
// The file chooser for Monthly Data files: a panel laid over the main window with a drive list,
// a folder list and the list of the folder's QAV*.TXT files. A click (or Enter) on a file hands
// its path to the window at once; Cancel or Escape hides the panel and changes nothing.
#include <QFrame>
#include <QPointer>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qav {

/// Whether a file name matches "QAV*.TXT", without regard to case.
bool IsMonthlyDataFileName(const QString& fileName);

/// The roots the drive list offers: "/" and every mounted volume that is ready, sorted.
QStringList DriveRoots();

class FileChooserPanel final : public QFrame {
    Q_OBJECT
  public:
    /// `window` is the main window the panel lies over; the panel starts hidden, showing the
    /// current directory.
    explicit FileChooserPanel(QWidget* window);

    /// `MOpen`: no file chosen, the lists read anew, the panel shown over the window with the
    /// keyboard focus on the file list.
    void open();
    /// `Command15` ("Cancel"): hides the panel and hands the focus back; nothing else changes.
    void cancel();

    /// Shows a folder, as a change of the folder list does; false (and nothing changes) when
    /// the folder cannot be read.
    bool setFolder(const QString& path);
    QString currentFolder() const { return currentFolder_; }

    /// Centres the panel over its window: x = width / 2 - own width / 2,
    /// y = height / 2.5 - own height / 2, kept inside the window and below its menu bar.
    void placeOverWindow();

  signals:
    /// A file was clicked (or Enter pressed on it); the panel is already hidden.
    void fileChosen(const QString& path);
    /// Enter was pressed on the file list with no file chosen; the panel stays open.
    void noFileChosen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void fillDrives();
    void fillFolders();
    void fillFiles();
    void onDriveChosen(int index);
    void openFolderItem(QTreeWidgetItem* item);
    void chooseFile(int row);
    void openSelectedFile();
    void hidePanel();

    QString currentFolder_;      // CurrentFolder: the folder the file list shows
    int selectedFileIndex_ = 0;  // SelectedFileIndex: 1-based row of the chosen file, 0 = none
    QString selectedFileName_;   // SelectedFileName
    QPointer<QWidget> focusBeforeOpen_;

    QLabel* label29_ = nullptr;
    QLabel* label17_ = nullptr;
    QComboBox* drive1_ = nullptr;
    QTreeWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QPushButton* command15_ = nullptr;
};

}  // namespace qav
