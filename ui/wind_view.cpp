#include "ui/wind_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "chart/qt/qimage_canvas.h"
#include "chart/wind_rose_picture.h"
#include "core/text_format.h"
#include "pipeline/comfort_output.h"
#include "pipeline/comfort_report.h"
#include "text/comfort_texts.h"
#include "text/compass_names.h"
#include "ui/canvas_view.h"
#include "ui/translation.h"

namespace qav {
namespace {

// The picture's own size in screen pixels; the view scales it to the room it has.
constexpr int kRoseWidthPx = 640, kRoseHeightPx = 340;

QString Fixed1(double value)
{
    return QString::fromStdString(FormatFixed(value, 1, DecimalSeparatorOf(PictureLanguage())));
}

// The chooser's roses: the ventilation hours, then the four seasons.
const WindRose& ChosenRose(const WindRoses& roses, int index)
{
    return index <= 0 ? roses.Ventilation : roses.Season[static_cast<std::size_t>(std::min(index, kSeasons) - 1)];
}

}  // namespace

WindView::WindView(const AnalysisState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("WindView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("&Beside all hours:"), this);
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("WindRoseChooser"));
    label->setBuddy(chooser_);
    const Language language = PictureLanguage();
    chooser_->addItem(QString::fromUtf8(ComfortText(language, comfort_text::kRoseVentilation).data()));
    for (const char* season : comfort_text::kSeasons)
        chooser_->addItem(QString::fromUtf8(ComfortText(language, season).data()));
    chooser_->setAccessibleName(tr("Second wind rose"));
    row->addWidget(label);
    row->addWidget(chooser_);
    row->addStretch(1);
    layout->addLayout(row);
    roses_ = new CanvasView(this);
    roses_->setObjectName(QStringLiteral("WindRoses"));
    roses_->setFocusPolicy(Qt::StrongFocus);  // reachable with Tab, so a screen reader reads its figures
    roses_->setAccessibleName(tr("Wind roses"));
    layout->addWidget(roses_, 1);
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("WindFigures"));
    figures_->setWordWrap(true);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(figures_);
    connect(chooser_, &QComboBox::currentIndexChanged, this, [this](int) { showChosen(); });
}

bool WindView::refresh()
{
    const bool has = state_.CurrentRecorded() != nullptr;
    if (!has) {
        roses_->setRenderer({});
        roses_->setImage(QImage());
        figures_->clear();
        return false;
    }
    showChosen();
    return true;
}

void WindView::showChosen()
{
    const std::optional<WindRoses> roses = RecordedWindRoses(state_);
    if (!roses) return;
    const int index = chooser_->currentIndex();
    const WindRose all = roses->All, second = ChosenRose(*roses, index);
    const QString secondName = chooser_->currentText();
    const int px = state_.Layout.PixelWidth, py = state_.Layout.PixelHeight;
    const auto draw = [all, second, secondName, px, py](double ratio) {
        QImageCanvas canvas(kRoseWidthPx * px, kRoseHeightPx * py, px, py, ratio);
        DrawWindRoses(canvas, all, second, px, py, PictureLanguage(), {}, secondName.toStdString());
        return canvas.Image();
    };
    roses_->setImage(draw(1));
    roses_->setRenderer(draw);

    // One line of figures per rose shown, then the advice's sentence on the ventilation hours.
    const auto line = [](const QString& name, const WindRose& r) {
        const int counted = r.Counted();
        QString text = name + QStringLiteral(": ");
        if (r.Prevailing) {
            text += tr("prevailing winds from %1, %2 % of the hours, at a median %3 m/s; ")
                        .arg(QString::fromUtf8(CompassName(PictureLanguage(), *r.Prevailing).data()),
                             Fixed1(r.PrevailingShare), Fixed1(r.PrevailingMedianMs));
        }
        text += tr("calm %1 % of %2 hours; %3 hours without a wind record")
                    .arg(counted > 0 ? Fixed1(100.0 * r.Calm / counted) : QStringLiteral("-"))
                    .arg(counted)
                    .arg(r.Missing);
        return text;
    };
    const Language language = PictureLanguage();
    QStringList lines{line(QString::fromUtf8(ComfortText(language, comfort_text::kRoseAllHours).data()), all),
                      line(secondName, second)};
    const std::string sentence = VentilationWindSentence(roses->Ventilation, language);
    lines << (sentence.empty() ? tr("No ventilation hour has a wind record.") : QString::fromStdString(sentence));
    figures_->setText(lines.join(u'\n'));
    roses_->setAccessibleDescription(lines.join(u' '));
}

}  // namespace qav
