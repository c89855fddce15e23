#include "ui/file_chooser_panel.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace qav {
namespace {

constexpr int kPathRole = Qt::UserRole;

// The folder list shows every level open at once, so it draws no expand and collapse marks.
class FolderTree final : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;

  protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

bool IsEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The volume root that holds `path`, or "/" when the system cannot tell.
QString RootOf(const QString& path)
{
    const QStorageInfo volume(path);
    return volume.isValid() && !volume.rootPath().isEmpty() ? volume.rootPath() : QDir::rootPath();
}

}  // namespace

bool IsMonthlyDataFileName(const QString& fileName)
{
    // "QAV" or "MD" + anything + ".TXT": the caption names MD*.TXT, the program's own files are
    // QAV*.TXT. The length test keeps the two ends from overlapping ("MD.TXT" is the shortest).
    if (!fileName.endsWith(QLatin1String(".TXT"), Qt::CaseInsensitive)) return false;
    for (const QLatin1String prefix : {QLatin1String("QAV"), QLatin1String("MD")})
        if (fileName.size() >= prefix.size() + 4 && fileName.startsWith(prefix, Qt::CaseInsensitive)) return true;
    return false;
}

QStringList DriveRoots()
{
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives()) roots << drive.absoluteFilePath();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers bind-mount single files (/etc/hosts); only folders can be browsed.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) roots << volume.rootPath();
    }
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return roots;
}

FileChooserPanel::FileChooserPanel(QWidget* window) : QFrame(window)
{
    setObjectName(QStringLiteral("Picture10"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    label29_ = new QLabel(tr("          QAV-06                 Open Climatic Data File"), this);
    label29_->setObjectName(QStringLiteral("Label29"));
    label29_->setAutoFillBackground(true);
    QPalette titlePalette = label29_->palette();
    titlePalette.setColor(QPalette::Window, titlePalette.color(QPalette::Highlight));
    titlePalette.setColor(QPalette::WindowText, titlePalette.color(QPalette::HighlightedText));
    label29_->setPalette(titlePalette);
    QFont bold = label29_->font();
    bold.setBold(true);
    label29_->setFont(bold);
    label29_->setContentsMargins(0, 3, 0, 3);

    label17_ = new QLabel(tr(" Monthly Data:   MD*.TXT"), this);
    label17_->setObjectName(QStringLiteral("Label17"));

    drive1_ = new QComboBox(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    drive1_->setAccessibleName(tr("Drives"));
    // The drop-down list is an object of its own for a screen reader: it says the same name.
    drive1_->view()->setAccessibleName(drive1_->accessibleName());
    drive1_->setToolTip(tr("File-system roots and mounted volumes"));
    // Long mount points must not widen the panel's left column.
    drive1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    drive1_->setMinimumContentsLength(8);

    dir1_ = new FolderTree(this);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setAccessibleName(tr("Folders"));
    dir1_->setToolTip(tr("Double-click a folder, or press Enter, to open it"));
    dir1_->setHeaderHidden(true);
    dir1_->setRootIsDecorated(false);
    dir1_->setItemsExpandable(false);
    dir1_->setExpandsOnDoubleClick(false);
    dir1_->setIndentation(12);
    dir1_->setUniformRowHeights(true);

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setAccessibleName(tr("Monthly Data files"));
    file1_->setToolTip(tr("Click a file, or press Enter, to open it"));
    file1_->setUniformItemSizes(true);

    command15_ = new QPushButton(tr("Cancel"), this);
    command15_->setObjectName(QStringLiteral("Command15"));
    command15_->setAutoDefault(false);

    auto* body = new QGridLayout;
    body->setContentsMargins(8, 6, 8, 8);
    body->setHorizontalSpacing(8);
    body->setVerticalSpacing(6);
    body->addWidget(label17_, 0, 0, 1, 2);
    body->addWidget(drive1_, 1, 0);
    body->addWidget(dir1_, 2, 0, 2, 1);
    body->addWidget(file1_, 1, 1, 2, 1);
    body->addWidget(command15_, 3, 1, Qt::AlignRight);
    // The two lists share the width equally, whatever their contents.
    dir1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    file1_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    body->setColumnStretch(0, 1);
    body->setColumnStretch(1, 1);
    body->setRowStretch(2, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(label29_);
    outer->addLayout(body, 1);

    // A fixed size in characters of the window's font: about 34 characters per list.
    const QFontMetrics metrics(font());
    setFixedSize(std::max(label29_->sizeHint().width() + 24, 70 * metrics.averageCharWidth()), 20 * metrics.height());

    connect(drive1_, &QComboBox::activated, this, &FileChooserPanel::onDriveChosen);
    connect(dir1_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openFolderItem(item); });
    connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chooseFile(file1_->row(item)); });
    connect(command15_, &QPushButton::clicked, this, &FileChooserPanel::cancel);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &FileChooserPanel::cancel);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    dir1_->installEventFilter(this);
    file1_->installEventFilter(this);
    window->installEventFilter(this);  // follows the window's size

    hide();
    // The start folder; its lists are read when the panel is first opened.
    currentFolder_ = QDir::cleanPath(QDir::currentPath());
}

void FileChooserPanel::open()
{
    selectedFileIndex_ = 0;
    QWidget* focus = QApplication::focusWidget();
    if (!isAncestorOf(focus)) focusBeforeOpen_ = focus;
    // The folder may have gone since the panel was last open: show its nearest remaining parent.
    QString folder = currentFolder_;
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder) break;
        folder = parent;
    }
    if (!setFolder(folder)) setFolder(QDir::rootPath());
    fillDrives();
    placeOverWindow();
    show();
    raise();
    if (file1_->count() > 0)
        file1_->setFocus(Qt::TabFocusReason);
    else
        dir1_->setFocus(Qt::TabFocusReason);
}

void FileChooserPanel::cancel() { hidePanel(); }

void FileChooserPanel::hidePanel()
{
    if (isHidden()) return;
    hide();
    if (focusBeforeOpen_ && focusBeforeOpen_->isVisible()) focusBeforeOpen_->setFocus(Qt::OtherFocusReason);
}

bool FileChooserPanel::setFolder(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isReadable()) return false;
    currentFolder_ = QDir::cleanPath(info.absoluteFilePath());
    fillFolders();
    fillFiles();
    // A folder reached through the folder list may lie on another volume.
    const int drive = drive1_->findData(RootOf(currentFolder_), kPathRole);
    if (drive >= 0) drive1_->setCurrentIndex(drive);
    return true;
}

void FileChooserPanel::fillDrives()
{
    drive1_->clear();
    QStringList roots = DriveRoots();
    const QString current = RootOf(currentFolder_);
    if (!roots.contains(current)) roots << current;
    for (const QString& root : roots) drive1_->addItem(QDir::toNativeSeparators(root), root);
    drive1_->setCurrentIndex(drive1_->findData(current, kPathRole));
}

void FileChooserPanel::onDriveChosen(int index)
{
    // A drive that cannot be opened leaves the folder as it was and the drive list at its drive.
    if (setFolder(drive1_->itemData(index, kPathRole).toString())) return;
    drive1_->setCurrentIndex(drive1_->findData(RootOf(currentFolder_), kPathRole));
}

void FileChooserPanel::fillFolders()
{
    dir1_->clear();
    // The path from the root down to the current folder, each folder inside its parent, and the
    // current folder's subfolders below it.
    QStringList chain;
    QDir up(currentFolder_);
    do {
        chain.prepend(up.absolutePath());
    } while (up.cdUp());

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto* item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(dir1_, {name});
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, path);
        parent = item;
    }
    QFont bold = dir1_->font();
    bold.setBold(true);
    parent->setFont(0, bold);

    const QFileInfoList subfolders =
        QDir(currentFolder_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& sub : subfolders) {
        auto* item = new QTreeWidgetItem(parent, {sub.fileName()});
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole, QDir::cleanPath(sub.absoluteFilePath()));
    }
    dir1_->expandAll();
    dir1_->setCurrentItem(parent);
    dir1_->scrollToItem(parent);
}

void FileChooserPanel::openFolderItem(QTreeWidgetItem* item)
{
    if (!item) return;
    if (!setFolder(item->data(0, kPathRole).toString())) QApplication::beep();
}

void FileChooserPanel::fillFiles()
{
    file1_->clear();
    const QStringList names = QDir(currentFolder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        if (IsMonthlyDataFileName(name)) file1_->addItem(name);
    file1_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

void FileChooserPanel::chooseFile(int row)
{
    const QListWidgetItem* item = file1_->item(row);
    selectedFileIndex_ = item ? row + 1 : 0;
    selectedFileName_ = item ? item->text() : QString();
    openSelectedFile();
}

void FileChooserPanel::openSelectedFile()
{
    if (selectedFileIndex_ < 1) {
        emit noFileChosen();
        return;
    }
    const QString path = QDir(currentFolder_).filePath(selectedFileName_);
    hidePanel();
    emit fileChosen(path);
}

void FileChooserPanel::placeOverWindow()
{
    const QWidget* window = parentWidget();
    if (!window) return;
    int top = 0;
    if (const auto* main = qobject_cast<const QMainWindow*>(window); main && main->menuWidget())
        top = main->menuWidget()->geometry().bottom() + 1;
    const int x = window->width() / 2 - width() / 2;
    const int y = int(window->height() / 2.5) - height() / 2;
    // On a window smaller than the panel the panel keeps its top left corner in view.
    move(std::clamp(x, 0, std::max(0, window->width() - width())),
         std::clamp(y, top, std::max(top, window->height() - height())));
}

bool FileChooserPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize && isVisible()) placeOverWindow();
        return false;
    }
    if (watched == dir1_ && IsEnterKey(event)) {
        openFolderItem(dir1_->currentItem());
        return true;
    }
    if (watched == file1_ && IsEnterKey(event)) {
        chooseFile(file1_->currentRow());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

bool FileChooserPanel::focusNextPrevChild(bool next)
{
    // Tab and Shift+Tab go round the panel's four controls while it is open.
    const std::array<QWidget*, 4> chain{drive1_, dir1_, file1_, command15_};
    const auto at = std::find(chain.begin(), chain.end(), focusWidget());
    if (!isVisible() || at == chain.end()) return QFrame::focusNextPrevChild(next);
    const auto index = std::distance(chain.begin(), at);
    const auto n = std::ssize(chain);
    chain[size_t((index + (next ? 1 : n - 1)) % n)]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace qav
