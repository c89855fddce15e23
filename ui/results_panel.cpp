#include "ui/results_panel.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/text_format.h"
#include "ui/adaptive_hours_view.h"
#include "ui/station_name.h"
#include "ui/translation.h"

namespace qav {
namespace {

// Background of the strategy rows and of the monthly graph's plot.
const QColor kRowGrey(224, 224, 224);
// Background of the month rows: a lighter neutral, so the two blocks read as separate tables.
const QColor kMonthRowTint(236, 236, 236);

// Caption, share, and the side-by-side view's typical, recorded and difference columns.
constexpr int kShareColumns = 5;

// Full strategy names for screen readers, in strategy order 1..10.
constexpr const char* kStrategyName[kPanelStrategies + 1] = {
    "",
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Artificial heating"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Solar heating"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Thermal inertia for heating"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Air humidification"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Thermal comfort"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Ventilation"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Night ventilation"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Thermal inertia for cooling"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Evaporative cooling"),
    QT_TRANSLATE_NOOP("qav::ResultsPanel", "Artificial cooling")};

// Captions of the strategy rows, in strategy order 1..10, with the caption label's index. The
// panel's own wording: both inertia rows read "Thermal inertia ".
struct StrategyRow {
    int LabelIndex;
    const char* Caption;
};
constexpr StrategyRow kStrategyRows[kPanelStrategies + 1] = {
    {1, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Strategy")},
    {0, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Artificial heating ")},
    {2, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Solar heating ")},
    {3, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Thermal inertia ")},
    {4, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Air humidification ")},
    {5, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Thermal confort ")},
    {6, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Ventilation ")},
    {7, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Night ventilation ")},
    {8, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Thermal inertia ")},
    {9, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Evaporative cooling ")},
    {10, QT_TRANSLATE_NOOP("qav::ResultsPanel", "Artificial cooling ")},
};

QLabel* NamedLabel(const QString& caption, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QWidget* RowBox(const QString& name, const QColor& colour, QWidget* parent)
{
    auto* box = new QWidget(parent);
    box->setObjectName(name);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    box->setPalette(palette);
    return box;
}

}  // namespace

QString FormatFixed(double value, int decimals, QChar decimalPoint)
{
    QString text = QString::fromStdString(qav::FormatFixed(value, decimals, '.'));
    if (decimals > 0) text.replace(u'.', decimalPoint);
    return text;
}

QString ShareText(float share, QChar decimalPoint)
{
    // Compared in single precision, like the share itself, so exactly 0.1 still shows.
    if (share < 0.1f) return {};
    return FormatFixed(share, 1, decimalPoint);
}

QLineEdit* ResultsPanel::addValueField(const QString& name, int minimumChars)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);  // selectable for copying, but not a tab stop
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setText(QStringLiteral("00.0"));  // design text, replaced by the first analysis
    sizedFields_.push_back({field, minimumChars});
    return field;
}

ResultsPanel::ResultsPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Picture8_1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    outer->addLayout(makeHeader());
    counted_ = NamedLabel(QString(), QStringLiteral("ResultsCounted"), this);
    counted_->setWordWrap(true);
    counted_->hide();
    outer->addWidget(counted_);

    auto* tables = new QHBoxLayout;
    tables->setSpacing(6);
    tables->addLayout(makeMonthTable());
    tables->addWidget(makeShareTable(), 1);
    outer->addLayout(tables, 1);
    warmedNote_ = NamedLabel(QString(), QStringLiteral("WarmedNormalsNote"), this);
    warmedNote_->setWordWrap(true);
    warmedNote_->hide();
    outer->addWidget(warmedNote_);
    note_ = NamedLabel(QString(), QStringLiteral("ResultsNote"), this);
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: #a00000;"));
    note_->hide();
    outer->addWidget(note_);
    outer->addWidget(adaptiveHours_ = new AdaptiveHoursTable(this));
    nameForScreenReaders();
    applyFieldWidths();
}

// Identity, coordinates and elevation.
QGridLayout* ResultsPanel::makeHeader()
{
    auto* head = new QGridLayout;
    head->setHorizontalSpacing(6);
    head->setVerticalSpacing(2);
    text5_[0] = addValueField(QStringLiteral("Text5_0"), 10);
    text5_[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text5_[1] = addValueField(QStringLiteral("Text5_1"), 7);
    text5_[1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text1_[0] = addValueField(QStringLiteral("Text1_0"), 5);
    text2_[0] = addValueField(QStringLiteral("Text2_0"), 6);
    text3_[0] = addValueField(QStringLiteral("Text3_0"), 5);
    // Two rows: identity and source; latitude, longitude and elevation.
    head->addWidget(NamedLabel(tr("Location:"), QStringLiteral("Label11"), this), 0, 0);
    head->addWidget(text5_[0], 0, 1, 1, 3);
    head->addWidget(NamedLabel(tr("Source: "), QStringLiteral("Label4"), this), 0, 4);
    head->addWidget(text5_[1], 0, 5);
    head->addWidget(NamedLabel(tr("Latitude:"), QStringLiteral("Label8_0"), this), 1, 0);
    head->addWidget(text1_[0], 1, 1);
    head->addWidget(NamedLabel(tr("Longitude: "), QStringLiteral("Label3"), this), 1, 2);
    head->addWidget(text2_[0], 1, 3);
    head->addWidget(NamedLabel(tr("Elevation (m): "), QStringLiteral("Label6"), this), 1, 4);
    head->addWidget(text3_[0], 1, 5);
    head->setColumnStretch(1, 1);
    head->setColumnStretch(3, 1);
    return head;
}

// Monthly normals: one row per month on its own box, columns DBTmin, DBTmax, RHavg.
QGridLayout* ResultsPanel::makeMonthTable()
{
    auto* months = new QGridLayout;
    months->setHorizontalSpacing(4);
    months->setVerticalSpacing(1);
    struct Header {
        int index;
        const char* caption;
        int column;
    };
    for (Header h :
         {Header{3, QT_TR_NOOP("DBTmin"), 1}, Header{1, QT_TR_NOOP("DBTmax"), 2}, Header{2, QT_TR_NOOP("RHavg"), 3}}) {
        // The program's own short headings in English; the report's in Portuguese ("TBS mín. (°C)").
        QLabel* label = NamedLabel(tr(h.caption), QStringLiteral("Label9_%1").arg(h.index), this);
        label->setAlignment(Qt::AlignCenter);
        months->addWidget(label, 0, h.column);
    }
    for (int m = 1; m <= kMonths; ++m) {
        // Boxes first, so the captions and fields laid over them stay on top.
        months->addWidget(RowBox(QStringLiteral("Picture8_%1").arg(m + 1), kMonthRowTint, this), m, 0, 1, 4);
    }
    for (int m = 1; m <= kMonths; ++m) {
        QLabel* caption = NamedLabel(MonthAbbreviation(m), QStringLiteral("Label8_%1").arg(m), this);
        caption->setContentsMargins(4, 0, 4, 0);
        months->addWidget(caption, m, 0);
        text1_[m] = addValueField(QStringLiteral("Text1_%1").arg(m), 5);
        text2_[m] = addValueField(QStringLiteral("Text2_%1").arg(m), 5);
        text3_[m] = addValueField(QStringLiteral("Text3_%1").arg(m), 4);
        months->addWidget(text1_[m], m, 1);
        months->addWidget(text2_[m], m, 2);
        months->addWidget(text3_[m], m, 3);
    }
    months->setRowStretch(kMonths + 1, 1);
    return months;
}

// Yearly shares of the ten strategies, each row on a grey box, and the side-by-side view.
QGroupBox* ResultsPanel::makeShareTable()
{
    auto* frame = new QGroupBox(tr(" Bioclimatic Classification "), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* shares = new QGridLayout(frame);
    shares->setContentsMargins(4, 4, 4, 4);
    shares->setHorizontalSpacing(0);
    shares->setVerticalSpacing(2);
    for (int i = 0; i <= kPanelStrategies; ++i)
        shares->addWidget(RowBox(QStringLiteral("Picture12_%1").arg(i), kRowGrey, frame), i, 0, 1, kShareColumns);
    for (int i = 0; i <= kPanelStrategies; ++i) {
        const StrategyRow& row = kStrategyRows[i];
        QLabel* caption = NamedLabel(tr(row.Caption), QStringLiteral("Label1_%1").arg(row.LabelIndex), frame);
        caption->setContentsMargins(4, 1, 4, 1);
        label5_[i] =
            NamedLabel(i == 0 ? tr("% (time)") : QStringLiteral("00.0"), QStringLiteral("Label5_%1").arg(i), frame);
        label5_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label5_[i]->setContentsMargins(4, 1, 6, 1);
        if (i == 0) {
            QFont bold;  // only the weight is set, so size changes of the panel still reach it
            bold.setBold(true);
            caption->setFont(bold);
            label5_[i]->setFont(bold);
        }
        shares->addWidget(caption, i, 0);
        shares->addWidget(label5_[i], i, 1);
        caption_[size_t(i)] = caption;
        if (i > 0) {
            // A click on the row lights the strategy's hours on the chart.
            for (QLabel* part : {caption, label5_[i]}) {
                part->installEventFilter(this);
                part->setCursor(Qt::PointingHandCursor);
            }
        }
    }
    // The side-by-side view of weather-file locations, hidden until one is shown.
    struct Column {
        std::array<QLabel*, kPanelStrategies + 1>& labels;
        int column;
        const char* name;
        const char* header;
        const char* tip;
    };
    for (const Column& c : {Column{typicalShare_, 2, "TypicalShare", QT_TR_NOOP("Typical"),
                                   QT_TR_NOOP("% of the year, typical days synthesised from the monthly normals")},
                            Column{recordedShare_, 3, "RecordedShare", QT_TR_NOOP("Recorded"),
                                   QT_TR_NOOP("% of the year, the weather file's recorded hours")},
                            Column{shareDifference_, 4, "ShareDifference", QT_TR_NOOP("Diff."),
                                   QT_TR_NOOP("Recorded minus typical, percentage points")}}) {
        for (int i = 0; i <= kPanelStrategies; ++i) {
            QLabel* label = NamedLabel(i == 0 ? tr(c.header) : QString(),
                                       QStringLiteral("%1_%2").arg(QLatin1String(c.name)).arg(i), frame);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setContentsMargins(2, 1, 4, 1);
            label->setToolTip(tr(c.tip));
            if (i == 0) {
                QFont bold;
                bold.setBold(true);
                label->setFont(bold);
            }
            label->hide();
            c.labels[size_t(i)] = label;
            shares->addWidget(label, i, c.column);
        }
    }
    disagreement_ = NamedLabel(QString(), QStringLiteral("ShareDisagreement"), frame);
    disagreement_->setContentsMargins(4, 2, 4, 0);
    disagreement_->setToolTip(
        tr("Half the sum of the differences: the share of the year that the typical days and the "
           "recorded hours place under different strategies"));
    disagreement_->hide();
    shares->addWidget(disagreement_, kPanelStrategies + 1, 0, 1, kShareColumns);
    shares->setColumnStretch(0, 1);
    return frame;
}

// Names for screen readers: each field says what it holds, each share which strategy.
void ResultsPanel::nameForScreenReaders()
{
    text5_[0]->setAccessibleName(tr("Location"));
    text5_[1]->setAccessibleName(tr("Data source"));
    text1_[0]->setAccessibleName(tr("Latitude, degrees"));
    text2_[0]->setAccessibleName(tr("Longitude, degrees"));
    text3_[0]->setAccessibleName(tr("Elevation, metres"));
    for (int m = 1; m <= kMonths; ++m) {
        const QString month = MonthName(m);
        text1_[m]->setAccessibleName(tr("%1, mean minimum temperature, degrees Celsius").arg(month));
        text2_[m]->setAccessibleName(tr("%1, mean maximum temperature, degrees Celsius").arg(month));
        text3_[m]->setAccessibleName(tr("%1, mean relative humidity, percent").arg(month));
    }
    for (int i = 1; i <= kPanelStrategies; ++i)
        label5_[i]->setAccessibleName(tr("%1, percent of the time").arg(tr(kStrategyName[i])));
    // The two rows read alike; say which is which.
    for (int i : {3, 8}) {
        QLabel* caption = findChild<QLabel*>(QStringLiteral("Label1_%1").arg(kStrategyRows[i].LabelIndex));
        const QString tip = i == 3 ? tr("C: thermal inertia for heating (heavy construction keeps the day's heat)")
                                   : tr("H: thermal inertia for cooling (heavy construction damps the day's heat)");
        caption->setToolTip(tip);
        caption->setAccessibleName(tr(kStrategyName[i]));
        label5_[i]->setToolTip(tip);
    }
}

void ResultsPanel::setCountedNote(const QString& text)
{
    counted_->setText(text);
    counted_->setVisible(!text.isEmpty());
}

void ResultsPanel::setHighlightedStrategy(int strategy)
{
    // A background only: the panel's text scaling sets the fonts.
    for (int i = 1; i <= kPanelStrategies; ++i)
        caption_[size_t(i)]->setStyleSheet(i == strategy ? QStringLiteral("background-color: #ffe680;") : QString());
}

bool ResultsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 1; i <= kPanelStrategies; ++i) {
            if (watched == caption_[size_t(i)] || watched == label5_[size_t(i)]) {
                emit strategyChosen(i);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ResultsPanel::setNote(const QString& text)
{
    if (note_->text() == text) return;
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

void ResultsPanel::applyFieldWidths()
{
    // Widths in characters of the current font, so the panel keeps its shape at any font size.
    for (auto [field, chars] : sizedFields_) {
        const int width = field->fontMetrics().horizontalAdvance(QString(chars, u'0')) + 9;
        if (field == text5_[0])
            field->setMinimumWidth(width);
        else if (field == text5_[1])  // a station's name whole, whichever service and language
            field->setFixedWidth(
                std::max(width, field->fontMetrics().horizontalAdvance(QStringLiteral("INMET 00000")) + 9));
        else
            field->setFixedWidth(width);  // numbers keep a narrow column; the rest goes to the shares
    }
    for (QLabel* label : label5_)
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(label5_[0]->text()) + 10);
    // The side-by-side columns keep their width whatever the shares ("100.0", "-99.9"): the
    // wider of such a number and the column's header, plus the label's margins.
    for (auto* column : {&typicalShare_, &recordedShare_, &shareDifference_}) {
        const QFontMetrics numbers((*column)[1]->font());
        const QFontMetrics header((*column)[0]->font());
        const int width = std::max(numbers.horizontalAdvance(QStringLiteral("-00.0")),
                                   header.horizontalAdvance((*column)[0]->text())) +
                          8;
        for (QLabel* label : *column) label->setMinimumWidth(width);
    }
}

void ResultsPanel::showResults(const LocationRecord& location, std::span<const float, kPanelStrategies + 1> yearShare,
                               QChar point)
{
    text5_[0]->setText(QStringLiteral(" ") + QString::fromStdString(location.LocationName) + QStringLiteral(" (") +
                       ShownCountry(location.Country) + QStringLiteral(")"));
    text5_[0]->setCursorPosition(0);
    // A station shows as the finder and the caption name it ("INMET 83897"), whole; its period and
    // derived humidity go to the tooltip. Any other field is shown as read, its start first.
    const std::optional<StationTag> station = ParseStationSourceField(location.DataSource);
    text5_[1]->setText(station ? StationNameText(*station) : QString::fromStdString(location.DataSource));
    text5_[1]->setCursorPosition(0);
    text5_[1]->setToolTip(station ? StationCaptionText(*station) : text5_[1]->text());
    text5_[1]->setAccessibleDescription(station ? text5_[1]->toolTip() : QString());
    text1_[0]->setText(FormatFixed(location.Latitude, 1, point));
    text2_[0]->setText(FormatFixed(location.Longitude, 1, point));
    text3_[0]->setText(FormatFixed(location.Elevation, 0, point));
    for (int m = 1; m <= kMonths; ++m) {
        const MonthlyNormals& n = location.Month[m];
        text1_[m]->setText(FormatFixed(n.DBTmin, 1, point));
        text2_[m]->setText(FormatFixed(n.DBTmax, 1, point));
        text3_[m]->setText(FormatFixed(n.RHavg, 0, point));
    }
    for (int i = 1; i <= kPanelStrategies; ++i) label5_[i]->setText(ShareText(yearShare[i], point));
}

void ResultsPanel::markWarmedNormals(const QString& warming)
{
    // Italic values and a line under the table: these are not the normals as read.
    const QString tip = warming.isEmpty() ? QString() : tr("Normals with the warming of What if: %1").arg(warming);
    for (int m = 1; m <= kMonths; ++m) {
        for (QLineEdit* field : {text1_[m], text2_[m], text3_[m]}) {
            QFont font = field->font();
            font.setItalic(!warming.isEmpty());
            field->setFont(font);
            field->setToolTip(tip);
        }
    }
    warmedNote_->setText(warming.isEmpty() ? QString() : tr("* Monthly normals warmed (What if: %1)").arg(warming));
    warmedNote_->setVisible(!warming.isEmpty());
}

void ResultsPanel::showShareComparison(std::span<const float, kPanelStrategies + 1> typical,
                                       std::span<const float, kPanelStrategies + 1> recorded, float disagreement,
                                       QChar point)
{
    for (int i = 1; i <= kPanelStrategies; ++i) {
        const QString t = ShareText(typical[size_t(i)], point);
        const QString r = ShareText(recorded[size_t(i)], point);
        typicalShare_[size_t(i)]->setText(t);
        recordedShare_[size_t(i)]->setText(r);
        QString difference;
        if (!t.isEmpty() || !r.isEmpty()) {
            // Both shares carry one decimal; the difference is rounded to the same.
            difference = FormatFixed(double(recorded[size_t(i)]) - double(typical[size_t(i)]), 1, point);
            if (difference != FormatFixed(0, 1, point) && !difference.startsWith(u'-')) difference.prepend(u'+');
        }
        shareDifference_[size_t(i)]->setText(difference);
    }
    disagreement_->setText(tr("Methods differ on %1 % of the year").arg(FormatFixed(disagreement, 1, point)));
    if (shareComparisonShown()) return;
    for (auto* column : {&typicalShare_, &recordedShare_, &shareDifference_})
        for (QLabel* label : *column) label->show();
    // The "% (time)" column repeats the typical or the recorded column; its room goes to them.
    for (QLabel* label : label5_) label->hide();
    disagreement_->show();
}

void ResultsPanel::hideShareComparison()
{
    if (!shareComparisonShown()) return;
    for (auto* column : {&typicalShare_, &recordedShare_, &shareDifference_})
        for (QLabel* label : *column) label->hide();
    for (QLabel* label : label5_) label->show();
    disagreement_->hide();
}

bool ResultsPanel::shareComparisonShown() const { return !disagreement_->isHidden(); }

void ResultsPanel::setTextScale(double scale)
{
    if (!baseFont_) baseFont_ = font();
    const double basePt = baseFont_->pointSizeF() > 0 ? baseFont_->pointSizeF() : 9.0;
    // The floor is the platform's smallest readable font, or its general font where that is the
    // smaller one (X11 without a desktop theme reports 12 pt as the smallest readable size).
    const double smallPt = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont).pointSizeF();
    // Half-point steps, so dragging the window's edge does not re-lay the panel at every pixel.
    double pt = std::round(std::clamp(basePt * scale, std::min(basePt, smallPt), basePt * 1.5) * 2) / 2;
    if (!std::isfinite(pt) || pt <= 0) pt = basePt;
    if (pt == pointSize_) return;
    pointSize_ = pt;
    QFont f = *baseFont_;
    f.setPointSizeF(pt);
    setFont(f);
    applyFieldWidths();
}

}  // namespace qav
