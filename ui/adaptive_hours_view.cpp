#include "ui/adaptive_hours_view.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "chart/qt/qimage_canvas.h"
#include "pipeline/analysis_state.h"
#include "pipeline/adaptive_hours.h"
#include "pipeline/comfort_output.h"
#include "text/month_names.h"
#include "ui/canvas_view.h"
#include "ui/translation.h"

namespace qav {
namespace {

constexpr int kGridWidthPx = 640, kGridHeightPx = 330;

QString ShortMonth(int m)
{
    return QString::fromUtf8(
        Translated(PictureLanguage(), "qav::Month", kMonthAbbreviation[static_cast<std::size_t>(m)], "abbreviation")
            .data());
}

}  // namespace

AdaptiveHoursView::AdaptiveHoursView(const AnalysisState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("AdaptiveHoursView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    grid_ = new CanvasView(this);
    grid_->setObjectName(QStringLiteral("AdaptiveHoursGrid"));
    grid_->setFocusPolicy(Qt::StrongFocus);
    grid_->setAccessibleName(tr("Hours against the adaptive comfort band"));
    layout->addWidget(grid_, 1);
}

bool AdaptiveHoursView::refresh()
{
    if (state_.Comfort == ComfortModel::Givoni) {
        grid_->setRenderer({});
        grid_->setImage(QImage());
        return false;
    }
    const AdaptiveHoursGrid grid = ShownAdaptiveHoursGrid(state_);
    const int px = state_.Layout.PixelWidth, py = state_.Layout.PixelHeight;
    const auto draw = [grid, px, py](double ratio) {
        QImageCanvas canvas(kGridWidthPx * px, kGridHeightPx * py, px, py, ratio);
        DrawAdaptiveHoursGrid(canvas, grid, px, py, PictureLanguage(), {});
        return canvas.Image();
    };
    grid_->setImage(draw(1));
    grid_->setRenderer(draw);
    // What the colours say, month by month, for those who do not see them.
    QStringList months;
    const bool fans = grid.Model == ComfortModel::Ashrae55;
    for (int m = 1; m <= kMonths; ++m) {
        if (!grid.InRange[m]) {
            months << tr("%1: outside the model's range").arg(ShortMonth(m));
            continue;
        }
        std::array<int, kAdaptiveHourClasses> sum{};
        for (int h = 1; h <= kHours; ++h)
            for (int c = 0; c < kAdaptiveHourClasses; ++c) sum[c] += grid.Hours[m][h][c];
        QString text = tr("%1: %2 hours below, %3 within, %4 above the band")
                           .arg(ShortMonth(m))
                           .arg(sum[0])
                           .arg(sum[1])
                           .arg(sum[2] + sum[3]);
        if (fans) text += tr(" (%1 of them within with fans at 0.9 m/s)").arg(sum[2]);
        months << text;
    }
    grid_->setAccessibleDescription(months.join(QStringLiteral("; ")));
    return true;
}

AdaptiveHoursTable::AdaptiveHoursTable(QWidget* parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("AdaptiveHoursTable"));
    setAccessibleName(tr("Hours within, above and below the adaptive comfort band by month"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->hide();
    // Rows as high as their text: the panel shares its height with the strategies' table.
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    hide();
}

void AdaptiveHoursTable::showHours(const AnalysisState& state)
{
    if (state.Comfort == ComfortModel::Givoni) {
        hide();
        return;
    }
    // The figures qav-cli's JSON and the report give: the hours the chart shows, counted once.
    const ComfortModel model = AdaptiveModelShown(state);
    const AdaptiveYear year = ShownAdaptiveYear(state, model);
    const bool ashrae = model == ComfortModel::Ashrae55;
    const auto level = static_cast<std::size_t>(AdaptiveGridLevel(model));
    QStringList columns{tr("Month"), ashrae ? tr("Within 80 %") : tr("Within II"), tr("Above"), tr("Below")};
    if (ashrae) columns << tr("Within, fans") << tr("Above, fans");
    clear();
    setColumnCount(int(columns.size()));
    setRowCount(kMonths);
    setHorizontalHeaderLabels(columns);
    if (ashrae) {
        horizontalHeaderItem(4)->setToolTip(tr("Within the 80 % limits with ceiling fans at 0.9 m/s"));
        horizontalHeaderItem(5)->setToolTip(tr("Above the 80 % limit even with ceiling fans at 0.9 m/s"));
    }
    for (int m = 1; m <= kMonths; ++m) {
        const AdaptiveMonth& a = year.Month[m];
        setItem(m - 1, 0, new QTableWidgetItem(ShortMonth(m)));
        if (!a.InRange) {
            setItem(m - 1, 1, new QTableWidgetItem(tr("outside the model's range")));
            setSpan(m - 1, 1, 1, int(columns.size()) - 1);
            continue;
        }
        QList<int> counts{a.Within[level], a.Above[level], a.Below[level]};
        if (ashrae) counts << a.WithinFan[1] << a.Hours - a.Below[0] - a.WithinFan[1];
        for (int c = 0; c < counts.size(); ++c) {
            auto* cell = new QTableWidgetItem(QString::number(counts[c]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(m - 1, c + 1, cell);
        }
    }
    show();
}

}  // namespace qav
