#pragma once
// View > Hours analysed… and View > What if…: which hours the shares count, and a warming added
// to the location's monthly normals with the shares shown beside the unchanged ones.
#include <QDialog>
#include <optional>

#include "classify/hour_filter.h"
#include "data/warming_reader.h"
#include "pipeline/analysis_state.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace qav {

/// A range of clock hours (1-24) and a range of months; either may wrap.
class HoursAnalysedDialog final : public QDialog {
    Q_OBJECT
  public:
    HoursAnalysedDialog(const HourFilter& current, QWidget* parent = nullptr);
    HourFilter filter() const;
    void setFilter(const HourFilter& filter);

  private:
    void updateSummary();
    QSpinBox* firstHour_ = nullptr;
    QSpinBox* lastHour_ = nullptr;
    QComboBox* firstMonth_ = nullptr;
    QComboBox* lastMonth_ = nullptr;
    QLabel* summary_ = nullptr;
};

/// One warming in degrees C for every month, or twelve monthly changes; Apply analyses it and
/// the dialog then shows the shares with and without it and their difference.
class WhatIfDialog final : public QDialog {
    Q_OBJECT
  public:
    explicit WhatIfDialog(QWidget* parent = nullptr);

    void setWarming(const std::optional<Warming>& warming);
    /// The warming entered; nullopt and a message naming month and field for an entry that is
    /// not a number.
    std::optional<Warming> warming(QString& failure) const;
    /// Shares without and with the warming, side by side with the difference (typical days,
    /// and recorded hours for a weather file); empty when no warming is analysed.
    void showComparison(const AnalysisState& state);
    /// Empties the comparison, keeping its headers, and says why (a value refused, none analysed).
    void clearComparison(const QString& status);

    QTableWidget* changes() const { return changes_; }
    QTableWidget* comparison() const { return comparison_; }
    /// The line above the comparison that says which hours it compares.
    QLabel* compared() const { return compared_; }
    QDoubleSpinBox* uniform() const { return uniform_; }
    QRadioButton* monthlyChoice() const { return monthly_; }

  signals:
    void applyRequested();
    void removeRequested();

  private:
    void loadFile();
    QRadioButton* uniformChoice_ = nullptr;
    QRadioButton* monthly_ = nullptr;
    QDoubleSpinBox* uniform_ = nullptr;
    QTableWidget* changes_ = nullptr;
    QTableWidget* comparison_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* compared_ = nullptr;
    void setComparisonColumns(const QStringList& headers);
};

}  // namespace qav
