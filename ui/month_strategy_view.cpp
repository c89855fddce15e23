#include "ui/month_strategy_view.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/strategy.h"
#include "ui/help_texts.h"
#include "ui/results_panel.h"
#include "ui/translation.h"

namespace qav {
namespace {

constexpr int kYearColumn = kMonths;  // columns 0..11 are the months
constexpr int kShareColumn = kMonths + 1;

// The shade of a cell: white for no hours up to a light blue for the largest count, so the
// black figures stay readable on every cell.
QColor Shade(int count, int largest)
{
    if (count <= 0 || largest <= 0) return QColor(Qt::white);
    const double f = 0.15 + 0.85 * double(count) / largest;
    const auto mix = [f](int light, int dark) { return int(light + (dark - light) * f); };
    return QColor(mix(255, 150), mix(255, 190), mix(255, 235));
}

const QColor kZeroText(150, 150, 150);

QString StrategyText(int s)
{
    return QStringLiteral("%1 %2").arg(QChar(StrategyLetter(s)),
                                       QCoreApplication::translate("qav::Strategy", kStrategyName[size_t(s)]));
}

}  // namespace

MonthStrategyView::MonthStrategyView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MonthStrategyView"));
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("MonthStrategyCaption"));
    table_ = new QTableWidget(kStrategies, kShareColumn + 1, this);
    table_->setObjectName(QStringLiteral("MonthStrategyTable"));
    table_->setAccessibleName(tr("Hours per month and strategy"));

    QStringList months;
    for (int m = 1; m <= kMonths; ++m) months << MonthAbbreviation(m);
    months << tr("Year") << tr("Share (%)");
    table_->setHorizontalHeaderLabels(months);
    for (int m = 1; m <= kMonths; ++m) table_->horizontalHeaderItem(m - 1)->setToolTip(MonthName(m));
    table_->horizontalHeaderItem(kYearColumn)->setToolTip(tr("The whole year"));
    table_->horizontalHeaderItem(kShareColumn)
        ->setToolTip(tr("The yearly share after merging, as the legend shows it"));
    for (int s = 1; s <= kStrategies; ++s) {
        auto* header = new QTableWidgetItem(QString(QChar(StrategyLetter(s))));
        header->setToolTip(StrategyText(s));
        table_->setVerticalHeaderItem(s - 1, header);
        for (int c = 0; c <= kShareColumn; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(s - 1, c, item);
        }
    }
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->setTabKeyNavigation(false);  // Tab leaves the table; the arrow keys move inside
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The table asks for room for every cell; a smaller tab scrolls it.
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(caption_);
    layout->addWidget(table_);
    mergeNote_ = new QLabel(MergedSharesSentence(), this);
    mergeNote_->setObjectName(QStringLiteral("MonthStrategyMergeNote"));
    mergeNote_->setWordWrap(true);
    layout->addWidget(mergeNote_);
    layout->addStretch(1);
    showTally(StrategyTally{}, false);
}

void MonthStrategyView::showTally(const StrategyTally& tally, bool recorded, QChar decimalPoint)
{
    caption_->setText(recorded ? tr("Hours of the recorded year") : tr("Hours of the typical days"));
    int largestMonth = 0, largestYear = 0;
    int year[kStrategies + 1] = {};
    for (int s = 1; s <= kStrategies; ++s) {
        for (int m = 1; m <= kMonths; ++m) {
            largestMonth = std::max<int>(largestMonth, tally.MonthHours[s][m]);
            year[s] += tally.MonthHours[s][m];
        }
        largestYear = std::max(largestYear, year[s]);
    }
    for (int s = 1; s <= kStrategies; ++s) {
        for (int c = 0; c <= kYearColumn; ++c) {
            const bool yearCell = c == kYearColumn;
            const int hours = yearCell ? year[s] : tally.MonthHours[s][c + 1];
            QTableWidgetItem* item = table_->item(s - 1, c);
            item->setText(QString::number(hours));
            item->setBackground(Shade(hours, yearCell ? largestYear : largestMonth));
            item->setForeground(hours == 0 ? kZeroText : QColor(Qt::black));  // the counts stand out
            const QString where = yearCell ? tr("the year") : MonthName(c + 1);
            const QString description =
                hours == 1 ? tr("%1, %2: 1 hour").arg(StrategyText(s), where)
                           : tr("%1, %2: %3 hours").arg(StrategyText(s), where, QString::number(hours));
            item->setToolTip(description);
            item->setData(Qt::AccessibleTextRole, description);
        }
    }
    for (int s = 1; s <= kStrategies; ++s) {
        // Empty for no share and one decimal otherwise, like the legend on the chart.
        const float share = tally.YearShare[s];
        QTableWidgetItem* item = table_->item(s - 1, kShareColumn);
        item->setText(share == 0 ? QString() : FormatFixed(share, 1, decimalPoint));
        const QString description = tr("%1, share of the year after merging: %2 %").arg(StrategyText(s), item->text());
        item->setToolTip(description);
        item->setData(Qt::AccessibleTextRole, description);
    }
    table_->resizeColumnsToContents();
    updateGeometry();
}

#include <QCoreApplication>
}  // namespace qav
