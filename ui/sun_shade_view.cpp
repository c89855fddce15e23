#include "ui/sun_shade_view.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/strategy.h"
#include "chart/sun_path.h"
#include "pictures/sun_picture_files.h"
#include "pipeline/chart_readout.h"
#include "pipeline/sun_block.h"
#include "pipeline/sun_pictures.h"
#include "text/sun_texts.h"
#include "ui/chart_view.h"
#include "ui/locale_format.h"
#include "ui/results_panel.h"
#include "ui/translation.h"

namespace qav {
namespace {

// Remembered as the other view settings are (QSettings, ui/settings.h).
constexpr const char* kShadeAboveKey = "view/shadeAbove";        // degrees C, 10..35
constexpr const char* kSunProjectionKey = "view/sunProjection";  // "stereographic" or "equidistant"

QString SunText(const char* english, const char* disambiguation = "")
{
    return QString::fromUtf8(Translated(PictureLanguage(), sun_text::kContext, english, disambiguation));
}

QString StrategyText(int s)
{
    if (s < 1 || s > kStrategies) return SunShadeView::tr("no zone");
    return QStringLiteral("%1 %2").arg(QChar::fromLatin1(StrategyLetter(s)), StrategyDisplayName(s));
}

QString NeedText(SunNeed need)
{
    switch (need) {
        case SunNeed::Overheated:
            return SunShadeView::tr("wants shade");
        case SunNeed::Underheated:
            return SunShadeView::tr("wants sun");
        case SunNeed::Neutral:
            return SunShadeView::tr("neutral");
        case SunNeed::SunDown:
            break;
    }
    return SunShadeView::tr("sun below the horizon");
}

// The calendar cell's strategy as the picture letters it: the typical hour's, or with a weather
// file the recorded hours' most frequent one.
int CellStrategy(const CalendarInput& in, int month, int hour)
{
    if (in.RecordedCounts.empty()) return in.Typical[month][hour];
    const auto& counts = in.RecordedCounts[static_cast<std::size_t>(month)][static_cast<std::size_t>(hour)];
    int most = 0;
    for (int s = 1; s <= kStrategies; ++s)
        if (counts[s] > counts[most]) most = s;
    return most;
}

ChartView* HourView(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* view = new ChartView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(accessibleName);
    return view;
}

}  // namespace

SunShadeView::SunShadeView(AnalysisState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    const QSettings settings;
    state_.Sun.ShadeAboveC = std::clamp(settings.value(QLatin1String(kShadeAboveKey), double(kShadingLineC)).toFloat(),
                                        kShadeAboveLowC, kShadeAboveHighC);
    state_.Sun.Equidistant =
        settings.value(QLatin1String(kSunProjectionKey)).toString() == QLatin1String("equidistant");

    facade_ = new QComboBox(this);
    facade_->setObjectName(QStringLiteral("SunFacade"));
    for (int i = 0; i < 8; ++i) facade_->addItem(SunText(sun_text::kFacadeName[i], "facade"), i * 45);
    shadeAbove_ = new QDoubleSpinBox(this);
    shadeAbove_->setObjectName(QStringLiteral("SunShadeAbove"));
    shadeAbove_->setRange(kShadeAboveLowC, kShadeAboveHighC);
    shadeAbove_->setDecimals(1);
    shadeAbove_->setSingleStep(0.5);
    shadeAbove_->setSuffix(QStringLiteral(" °C"));
    shadeAbove_->setValue(state_.Sun.ShadeAboveC);
    shadeAbove_->setToolTip(
        tr("A sunlit hour at or above this dry bulb wants shade; 21 °C is the shading line of "
           "Olgyay's bioclimatic chart"));
    projection_ = new QComboBox(this);
    projection_->setObjectName(QStringLiteral("SunProjection"));
    projection_->addItems({tr("Stereographic"), tr("Equidistant")});
    projection_->setCurrentIndex(state_.Sun.Equidistant ? 1 : 0);

    auto* controls = new QHBoxLayout;
    const auto labelled = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        controls->addWidget(label);
        controls->addWidget(field);
    };
    labelled(tr("&Façade:"), facade_);
    labelled(tr("Shade a&bove:"), shadeAbove_);
    labelled(tr("Pro&jection:"), projection_);
    controls->addStretch(1);

    sunPath_ = HourView(this, "SunPath", tr("Sun path"));
    calendar_ = HourView(this, "SunCalendar", tr("Hours calendar"));
    sunPath_->installEventFilter(this);
    const struct {
        ChartView* View;
        SunPictureKind Kind;
    } pictures[] = {{sunPath_, SunPictureKind::SunPath}, {calendar_, SunPictureKind::Calendar}};
    for (const auto& p : pictures) {
        p.View->setRenderer([this, kind = p.Kind](double ratio) {
            return RenderSunPictureImage(kind, state_, ratio, PictureLanguage());
        });
        connect(p.View, &ChartView::hourPointed, this, [this, view = p.View](int index) { showHour(view, index); });
    }

    table_ = new QTableWidget(kFacades, 8, this);
    table_->setObjectName(QStringLiteral("SunFacades"));
    table_->setAccessibleName(tr("Shading of the eight façades"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->hide();
    QStringList columns;
    for (const char* column : sun_text::kFacadeColumns)
        columns << SunText(column, column == sun_text::kFacadeColumns[7] ? "fins column" : "column");
    table_->setHorizontalHeaderLabels(columns);
    auto* note = new QLabel(tr("Overhang (horizontal louvre): vertical shadow angle (α) that shades 90 % of the "
                               "overheated sun-hours on the façade, and its depth for a window of height 1. Fins "
                               "(vertical louvres): horizontal (β). Sun kept: the share of the underheated "
                               "sun-hours left unshaded."),
                            this);
    note->setObjectName(QStringLiteral("SunFacadesNote"));
    note->setWordWrap(true);

    auto* tablePane = new QWidget(this);
    auto* tableColumn = new QVBoxLayout(tablePane);
    tableColumn->setContentsMargins(0, 0, 0, 0);
    tableColumn->addWidget(table_, 1);
    tableColumn->addWidget(note);
    auto* right = new QSplitter(Qt::Vertical, this);
    right->addWidget(calendar_);
    right->addWidget(tablePane);
    // The table is what is read figure by figure: it gets the larger share of the height.
    right->setStretchFactor(0, 2);
    right->setStretchFactor(1, 3);
    auto* panes = new QSplitter(Qt::Horizontal, this);
    panes->setObjectName(QStringLiteral("SunPanes"));
    panes->addWidget(sunPath_);
    panes->addWidget(right);
    panes->setStretchFactor(0, 2);
    panes->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(panes, 1);

    connect(facade_, &QComboBox::activated, this,
            [this](int index) { chooseFacade(facade_->itemData(index).toInt()); });
    connect(shadeAbove_, &QDoubleSpinBox::valueChanged, this, [this](double c) {
        state_.Sun.ShadeAboveC = static_cast<float>(c);
        QSettings().setValue(QLatin1String(kShadeAboveKey), c);
        refresh();
    });
    connect(projection_, &QComboBox::currentIndexChanged, this, [this](int index) {
        state_.Sun.Equidistant = index == 1;
        QSettings().setValue(QLatin1String(kSunProjectionKey),
                             index == 1 ? QStringLiteral("equidistant") : QStringLiteral("stereographic"));
        refresh();
    });
}

int SunShadeView::FacadeAtRim(double x, double y, bool equidistant)
{
    const SkyPoint centre = SunPathPoint(90, 0, equidistant), north = SunPathPoint(0, 0, equidistant);
    const double radius = std::hypot(north.X - centre.X, north.Y - centre.Y);
    const double dx = x - centre.X, dy = centre.Y - y;  // north up, east right
    // The rim's band: a little inside the horizon circle, out to its compass letters.
    const double r = std::hypot(dx, dy);
    if (r < 0.9 * radius || r > 1.12 * radius) return -1;
    const double azimuth = std::atan2(dx, dy) * 180 / std::numbers::pi;
    return static_cast<int>(std::lround(azimuth / 45 + 8)) % 8 * 45;
}

bool SunShadeView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == sunPath_ && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        const QRectF picture = sunPath_->pictureRect();
        const double units = kSunPictureUnits / sunPath_->pictureScale();
        const QPointF at = (press->position() - picture.topLeft()) * units;
        if (press->button() == Qt::LeftButton) {
            if (const int facade = FacadeAtRim(at.x(), at.y(), state_.Sun.Equidistant); facade >= 0)
                chooseFacade(facade);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SunShadeView::chooseFacade(int azimuthDeg)
{
    state_.Sun.FacadeDeg = azimuthDeg;
    refresh();
}

void SunShadeView::refresh()
{
    if (state_.CurrentLocation < 1) return;  // nothing analysed yet
    const SunBlock block = ComputeSunBlock(state_);
    const CalendarInput cells = CalendarInputOf(state_);
    std::vector<PlottedHour> path, calendar;
    pathSun_.clear();
    calendarSun_.clear();
    for (int m = 1; m <= kMonths; ++m) {
        for (int h = 1; h <= kHours; ++h) {
            const SunHour& sun = block.Typical[m][h];
            PlottedHour hour;
            hour.Month = m;
            hour.Hour = h;
            hour.DBT = state_.Hours.DBT[m][h];
            hour.W = state_.Hours.W[m][h];
            hour.Strategy = CellStrategy(cells, m, h);
            const SkyPoint cell = CalendarCellCentre(m, h);
            hour.X = cell.X;
            hour.Y = cell.Y;
            calendar.push_back(hour);
            calendarSun_.push_back(sun);
            if (sun.AltitudeDeg <= 0) continue;  // the sun path draws the sunlit hours only
            const SkyPoint dot = SunPathPoint(sun.AltitudeDeg, sun.AzimuthDeg, state_.Sun.Equidistant);
            hour.Strategy = state_.HourStrategy[m][h];
            hour.X = dot.X;
            hour.Y = dot.Y;
            path.push_back(hour);
            pathSun_.push_back(sun);
        }
    }
    const double ratio = devicePixelRatioF();
    sunPath_->setImage(RenderSunPictureImage(SunPictureKind::SunPath, state_, ratio, PictureLanguage()));
    calendar_->setImage(RenderSunPictureImage(SunPictureKind::Calendar, state_, ratio, PictureLanguage()));
    sunPath_->setHours(std::move(path), kSunPictureUnits, kSunPictureUnits);
    calendar_->setHours(std::move(calendar), kSunPictureUnits, kSunPictureUnits);
    {
        const QSignalBlocker quiet(facade_);
        const int chosen = ChosenFacade(state_);
        facade_->setCurrentIndex(chosen % 45 == 0 ? chosen / 45 : -1);
    }
    fillTable();
    describe();
}

void SunShadeView::fillTable()
{
    const QChar point = LocaleDecimalPoint();
    const int chosen = ChosenFacade(state_);
    const auto orDash = [point](const auto& v, int decimals, const QString& unit) {
        return v ? FormatFixed(static_cast<double>(*v), decimals, point) + unit : QStringLiteral("–");
    };
    const QString degrees = QStringLiteral("°"), percent = QStringLiteral(" %");
    int row = 0;
    for (const FacadeShading& f : ComputeSunBlock(state_).Facades) {
        const QString cells[] = {facade_->itemText(row),
                                 QString::number(f.OverheatedHours),
                                 QString::number(f.UnderheatedHours),
                                 orDash(f.OverhangVsa, 0, degrees),
                                 orDash(f.OverhangKeeps, 1, percent),
                                 orDash(f.OverhangDepth(), 2, QString()),
                                 orDash(f.FinsHsa, 0, degrees),
                                 orDash(f.FinsKeeps, 1, percent)};
        for (int column = 0; column < 8; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(f.AzimuthDeg == chosen);  // the façade the sun path masks
            item->setFont(font);
            table_->setItem(row, column, item);
        }
        ++row;
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
}

void SunShadeView::showHour(ChartView* view, int index)
{
    const std::vector<SunHour>& suns = view == sunPath_ ? pathSun_ : calendarSun_;
    QString text;
    if (index >= 0 && index < static_cast<int>(view->hours().size())) {
        const PlottedHour& h = view->hours()[static_cast<std::size_t>(index)];
        const SunHour& sun = suns[static_cast<std::size_t>(index)];
        const QChar point = LocaleDecimalPoint();
        text = tr("%1, %2 h: sun at altitude %3°, azimuth %4°; %5, %6")
                   .arg(MonthName(h.Month))
                   .arg(h.Hour)
                   .arg(FormatFixed(sun.AltitudeDeg, 1, point), FormatFixed(sun.AzimuthDeg, 1, point),
                        StrategyText(h.Strategy), NeedText(sun.Need));
    }
    view->setToolTip(text);
    if (view->underMouse()) {
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), text, view);
    }
    describe();
    emit readout(text);
}

void SunShadeView::describe()
{
    const QString place = QString::fromStdString(state_.Current().LocationName);
    int shade = 0, sun = 0;
    for (const SunHour& h : pathSun_) {
        shade += h.Need == SunNeed::Overheated;
        sun += h.Need == SunNeed::Underheated;
    }
    const auto current = [](ChartView* view) {
        return view->currentHour() < 0 ? QString() : QLatin1Char(' ') + tr("Current hour: %1.").arg(view->toolTip());
    };
    sunPath_->setAccessibleDescription(
        tr("Sun path of %1, north up: %2 of its %3 sunlit typical hours want shade and %4 want sun; shading mask of "
           "the %5 façade.")
            .arg(place)
            .arg(shade)
            .arg(pathSun_.size())
            .arg(sun)
            .arg(facade_->currentText()) +
        current(sunPath_));
    calendar_->setAccessibleDescription(
        tr("Strategy of each typical hour of %1, months down and hours across.").arg(place) + current(calendar_));
}

}  // namespace qav
