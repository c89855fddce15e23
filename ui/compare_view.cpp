#include "ui/translation.h"
#include "ui/compare_view.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/text_format.h"
#include "chart/qt/qimage_canvas.h"
#include "pictures/pictures.h"
#include "pipeline/rendering.h"
#include "ui/read_failure_text.h"
#include "ui/screen_fit.h"

namespace qav {
namespace {

QString FromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

constexpr int kBarPixels = 320;
constexpr int kBarHeightPixels = 18;

// The bar of one row, drawn by the compare picture's own code.
QPixmap BarPixmap(const std::array<float, kStrategies + 1>& shares)
{
    constexpr int unit = 15;  // canvas units per pixel, as on the reference screen
    QImageCanvas canvas((kBarPixels + 2) * unit, kBarHeightPixels * unit, unit, unit);
    canvas.Clear();
    canvas.SetFontSize(7);
    DrawCompareBar(canvas, unit, 0, kBarPixels * unit, kBarHeightPixels * unit,
                   (kBarHeightPixels * unit - canvas.TextHeight("W")) / 2, shares, unit, unit);
    return QPixmap::fromImage(canvas.Image());
}

// The same picture in every mode: a selected row's bar keeps the colours of the legend instead
// of the tint an item view gives a selected icon.
QIcon UntintedIcon(const QPixmap& pixmap)
{
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    icon.addPixmap(pixmap, QIcon::Active);
    return icon;
}

// A ruler from 0 to 100 % as wide as a bar, with ticks every 10 % and figures every 25 %.
QPixmap ScalePixmap(const QWidget& widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    const int width = kBarPixels + 2 + metrics.horizontalAdvance(QStringLiteral("100 %"));
    QPixmap pixmap(width, metrics.height() + 6);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(widget.palette().color(QPalette::WindowText));
    const int base = pixmap.height() - 1;
    painter.drawLine(0, base, kBarPixels, base);
    for (int percent = 0; percent <= 100; percent += 10) {
        const int x = percent * kBarPixels / 100;
        painter.drawLine(x, base, x, base - (percent % 50 == 0 ? 5 : 3));
        if (percent % 25 != 0 && percent != 100) continue;
        const QString figure = QStringLiteral("%1 %").arg(percent);
        const int left = percent == 0 ? 0 : x - metrics.horizontalAdvance(figure) / 2;
        painter.drawText(left, metrics.ascent(), figure);
    }
    return pixmap;
}

// "Solar Heating 30.2 %, Thermal Comfort 36.8 %": the shares that are not zero, in the window's
// language and with its decimal separator.
QString SharesText(const std::array<float, kStrategies + 1>& shares)
{
    QStringList parts;
    for (int s = 1; s <= kStrategies; ++s)
        if (shares[s] != 0)
            parts << QStringLiteral("%1 %2 %").arg(
                StrategyDisplayName(s), FromUtf8(FormatFixed(shares[s], 1, DecimalSeparatorOf(PictureLanguage()))));
    return parts.join(QStringLiteral(", "));
}

}  // namespace

CompareView::CompareView(const AnalysisState& state, QWidget* parent, ExportActions::MessageFunction message)
    : QDialog(parent), state_(state), message_(std::move(message))
{
    setObjectName(QStringLiteral("CompareView"));

    sortBox_ = new QComboBox;
    sortBox_->setObjectName(QStringLiteral("CompareSort"));
    sortBox_->addItem(tr("List order"));
    sortBox_->addItem(tr("Name"));
    for (int s = 1; s <= kStrategies; ++s)
        sortBox_->addItem(tr("Largest share of %1 %2").arg(QChar(StrategyLetter(s))).arg(StrategyDisplayName(s)));
    sortBox_->setAccessibleName(tr("Sort the locations"));
    auto* sortLabel = new QLabel(tr("&Sort by:"));
    sortLabel->setBuddy(sortBox_);
    connect(sortBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == 0)
            sort_ = {CompareSortKey::ListOrder, 0};
        else if (index == 1)
            sort_ = {CompareSortKey::Name, 0};
        else
            sort_ = {CompareSortKey::Strategy, index - 1};
        fillTable();
        updateTitle();
    });

    table_ = new QTableWidget;
    table_->setObjectName(QStringLiteral("CompareTable"));
    table_->setAccessibleName(tr("Yearly share of each strategy by location"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setIconSize(QSize(kBarPixels + 2, kBarHeightPixels));
    table_->verticalHeader()->hide();
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row >= 0 && row < int(rows_.size())) emit locationActivated(rows_[row].Slot);
    });
    connect(table_, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        if (index.row() >= 0 && index.row() < int(rows_.size())) emit locationActivated(rows_[index.row()].Slot);
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* save = buttons->addButton(tr("Save &picture…"), QDialogButtonBox::ActionRole);
    QPushButton* csv = buttons->addButton(tr("&Export CSV…"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("CompareSave"));
    csv->setObjectName(QStringLiteral("CompareExport"));
    // Enter belongs to the table (it analyses the row), not to a default button.
    for (QAbstractButton* b : buttons->buttons())
        if (auto* p = qobject_cast<QPushButton*>(b)) p->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &CompareView::savePicture);
    connect(csv, &QPushButton::clicked, this, &CompareView::exportCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    scale_ = new QLabel;
    scale_->setObjectName(QStringLiteral("CompareScale"));
    scale_->setPixmap(ScalePixmap(*scale_));
    scale_->setAccessibleName(tr("Scale of the bars: 0 to 100 % of the year"));
    scale_->setAccessibleDescription(
        tr("A tick every 10 %, numbered at 0, 25, 50, 75 and 100 %, under the bars of the shares"));
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, &CompareView::alignScale);

    auto* top = new QHBoxLayout;
    top->addWidget(sortLabel);
    top->addWidget(sortBox_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scale_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    updateTitle();
    FitToScreen(this, QSize(860, 560));
}

void CompareView::refreshIfChanged()
{
    if (generation_ == state_.InputGeneration) return;
    generation_ = state_.InputGeneration;
    rows_ = CompareLocations(state_);
    fillTable();
}

void CompareView::setSourceName(const QString& name)
{
    sourceName_ = name;
    updateTitle();
}

void CompareView::updateTitle()
{
    const QString sort = sortBox_->currentIndex() == 0 ? tr("list order")
                         : sortBox_->currentIndex() == 1
                             ? tr("name")
                             : tr("share of %1").arg(QChar(StrategyLetter(sortBox_->currentIndex() - 1)));
    setWindowTitle(sourceName_.isEmpty() ? tr("Compare locations, by %1").arg(sort)
                                         : tr("Compare locations: %1, by %2").arg(sourceName_, sort));
}

void CompareView::alignScale()
{
    // The figures stand over the bars: the icon starts after the first column and the cell's margin.
    const int margin = table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1;
    scale_->setContentsMargins(table_->frameWidth() + table_->columnViewportPosition(1) + margin, 0, 0, 0);
}

void CompareView::showCurrentLocation()
{
    for (int i = 0; i < int(rows_.size()); ++i) {
        if (rows_[i].Slot != state_.CurrentLocation) continue;
        table_->setCurrentCell(i, 0);
        table_->scrollToItem(table_->item(i, 0));
        return;
    }
    if (!rows_.empty()) table_->setCurrentCell(0, 0);
}

void CompareView::setSort(const CompareSort& sort)
{
    const int index = sort.Key == CompareSortKey::ListOrder ? 0
                      : sort.Key == CompareSortKey::Name    ? 1
                                                            : sort.Strategy + 1;
    if (sortBox_->currentIndex() == index) return;
    sortBox_->setCurrentIndex(index);  // fills the table again
}

void CompareView::fillTable()
{
    SortCompareRows(rows_, sort_);
    bool recorded = false;
    for (const CompareRow& r : rows_) recorded = recorded || r.HasRecorded;
    const QStringList headers = recorded ? QStringList{tr("Location"), tr("Typical days"), tr("Top strategy"),
                                                       tr("Recorded hours"), tr("Top (recorded)")}
                                         : QStringList{tr("Location"), tr("Shares"), tr("Top strategy")};
    table_->clear();
    table_->setColumnCount(int(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->setRowCount(int(rows_.size()));
    for (int i = 0; i < int(rows_.size()); ++i) {
        const CompareRow& r = rows_[i];
        const QString name = FromUtf8(r.Name);
        auto* nameItem = new QTableWidgetItem(name);
        nameItem->setData(Qt::AccessibleTextRole, tr("%1, %2").arg(name, ShownCountry(r.Country)));
        table_->setItem(i, 0, nameItem);
        const auto addBar = [&](int column, const std::array<float, kStrategies + 1>& shares, int top,
                                const QString& what) {
            auto* bar = new QTableWidgetItem;
            bar->setIcon(UntintedIcon(BarPixmap(shares)));
            const QString text = tr("%1, %2: %3").arg(name, what, SharesText(shares));
            bar->setData(Qt::AccessibleTextRole, text);
            bar->setToolTip(text);
            table_->setItem(i, column, bar);
            auto* topItem = new QTableWidgetItem(
                FromUtf8(CompareTopText(shares, top, DecimalSeparatorOf(PictureLanguage()), PictureLanguage())));
            topItem->setData(Qt::AccessibleTextRole, tr("%1, %2, top strategy: %3").arg(name, what, topItem->text()));
            table_->setItem(i, column + 1, topItem);
        };
        addBar(1, r.Shares, r.Top, tr("typical days"));
        if (r.HasRecorded) addBar(3, r.RecordedShares, r.RecordedTop, tr("recorded hours"));
    }
    table_->resizeColumnsToContents();
    table_->setColumnWidth(1, kBarPixels + 12);
    if (recorded) table_->setColumnWidth(3, kBarPixels + 12);
    alignScale();
    showCurrentLocation();
}

std::optional<SaveChoice> CompareView::choose(const QString& caption, const QString& name, const QStringList& filters)
{
    if (chooser_) return chooser_(caption, name, filters, filters.front());
    QString selected = filters.front();
    const QString path =
        QFileDialog::getSaveFileName(this, caption, name, filters.join(QStringLiteral(";;")), &selected);
    if (path.isEmpty()) return std::nullopt;
    return SaveChoice{path, selected};
}

void CompareView::savePicture() noexcept
{
    try {
        const auto choice = choose(tr("Save compare picture"), QStringLiteral("compare.png"),
                                   {FilterText(kPngFilter), FilterText(kSvgFilter)});
        if (!choice) return;
        const PictureTarget target = ResolvePictureTarget(*choice);
        const std::string caption =
            AnalysisCaption(state_.Filter, state_.WarmingAsked ? &*state_.WarmingAsked : nullptr, PictureLanguage());
        const QByteArray bytes = RenderCompareFile(rows_, caption, state_.Layout.PixelWidth, state_.Layout.PixelHeight,
                                                   target.Format, PictureLanguage());
        // An image that cannot be encoded is reported, not written as an empty file.
        const QString failure =
            bytes.isEmpty() ? tr("The picture could not be encoded.") : WriteFileAtomically(target.Path, bytes);
        if (!failure.isEmpty())
            message_(QMessageBox::Warning, windowTitle(), ReadFailureText::saveFailure(target.Path, failure));
        else
            emit saved(target.Path);
    } catch (const std::exception&) {
        message_(QMessageBox::Critical, windowTitle(), tr("The picture could not be saved."));
    }
}

void CompareView::exportCsv() noexcept
{
    try {
        const auto choice = choose(tr("Export compare table"), QStringLiteral("compare.csv"), {FilterText(kCsvFilter)});
        if (!choice) return;
        QString path = choice->Path;
        if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
        const std::string caption =
            AnalysisCaption(state_.Filter, state_.WarmingAsked ? &*state_.WarmingAsked : nullptr);
        const QString failure = WriteFileAtomically(path, QByteArray::fromStdString(CompareCsv(rows_, caption)));
        if (!failure.isEmpty())
            message_(QMessageBox::Warning, windowTitle(), ReadFailureText::saveFailure(path, failure));
        else
            emit saved(path);
    } catch (const std::exception&) {
        message_(QMessageBox::Critical, windowTitle(), tr("The table could not be exported."));
    }
}

}  // namespace qav
