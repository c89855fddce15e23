#pragma once
// The results panel: the selected location, its coordinates and elevation, its twelve monthly
// normals and the yearly share of time of each of the ten strategies. Display only.
#include <QChar>
#include <QFrame>
#include <QString>
#include <QFont>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "core/location.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace qav {

class AdaptiveHoursTable;

inline constexpr int kPanelStrategies = 10;  // strategy rows 1..10

/// Format "0.0" (decimals 1) or "0" (decimals 0): rounded, at least one digit before the
/// separator, a minus sign only when the shown value is not zero, no digit grouping.
QString FormatFixed(double value, int decimals, QChar decimalPoint);

/// A yearly share as the panel shows it: "0.0", or empty below 0.1 % of the year.
QString ShareText(float share, QChar decimalPoint);

class ResultsPanel final : public QFrame {
    Q_OBJECT
  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    /// Writes every value field from the location and the yearly shares (index 1..10).
    void showResults(const LocationRecord& location, std::span<const float, kPanelStrategies + 1> yearShare,
                     QChar decimalPoint);

    /// The side-by-side view of a weather-file location: for each strategy the share of the
    /// typical days, the share of the recorded hours and their difference (recorded - typical),
    /// and the share of the year that the two classify differently. The "% (time)" column, which
    /// would repeat one of the two, is hidden meanwhile.
    void showShareComparison(std::span<const float, kPanelStrategies + 1> typical,
                             std::span<const float, kPanelStrategies + 1> recorded, float disagreement,
                             QChar decimalPoint);
    /// Hides the side-by-side view (every location that is not from a weather file).
    void hideShareComparison();
    bool shareComparisonShown() const;

    /// What the shares count ("Counted: hours 9-18, December-February"), over the tables; empty
    /// (every hour counted) hides it.
    void setCountedNote(const QString& text);
    /// Marks the row of the strategy whose hours the chart lights (1..10), none for 0.
    void setHighlightedStrategy(int strategy);

    /// A note under the tables about the data shown (a location a file left out); empty hides it.
    void setNote(const QString& text);
    /// The table of each month's hours against the adaptive band, shown with an adaptive model.
    AdaptiveHoursTable* adaptiveHours() const { return adaptiveHours_; }
    /// Marks the month values as warmed by What if (the warming as worded), or as read (empty).
    void markWarmedNormals(const QString& warming);
    /// Sizes the text for a window `scale` times the reference window: the default font at 1,
    /// growing on larger windows (to half as large again), and never below the platform's
    /// smallest readable font on small ones. The layouts then give every row its room.
    void setTextScale(double scale);

  signals:
    /// A strategy's row was clicked: light its hours on the chart.
    void strategyChosen(int strategy);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* addValueField(const QString& name, int minimumChars);
    QGridLayout* makeHeader();
    QGridLayout* makeMonthTable();
    QGroupBox* makeShareTable();
    void nameForScreenReaders();
    void applyFieldWidths();

    struct SizedField {
        QLineEdit* Field;
        int Chars;
    };
    std::vector<SizedField> sizedFields_;

    QLabel* warmedNote_ = nullptr;
    std::array<QLineEdit*, 2> text5_{};                   // location, source
    std::array<QLineEdit*, kMonths + 1> text1_{};         // latitude, DBTmin by month
    std::array<QLineEdit*, kMonths + 1> text2_{};         // longitude, DBTmax by month
    std::array<QLineEdit*, kMonths + 1> text3_{};         // elevation, RHavg by month
    std::array<QLabel*, kPanelStrategies + 1> label5_{};  // 0: header, 1..10: shares
    // The side-by-side view, columns beside label5_: 0 header, 1..10 strategies.
    std::array<QLabel*, kPanelStrategies + 1> typicalShare_{};
    std::array<QLabel*, kPanelStrategies + 1> recordedShare_{};
    std::array<QLabel*, kPanelStrategies + 1> shareDifference_{};
    QLabel* disagreement_ = nullptr;
    QLabel* note_ = nullptr;
    AdaptiveHoursTable* adaptiveHours_ = nullptr;  // with an adaptive comfort model
    QLabel* counted_ = nullptr;
    std::array<QLabel*, kPanelStrategies + 1> caption_{};  // strategy names, 1..10
    std::optional<QFont> baseFont_;                        // the font before any scaling
    double pointSize_ = 0;                                 // the size in use
};

}  // namespace qav
