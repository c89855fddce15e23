#pragma once
// What the window says about the analysis shown, in its language: the hours counted, the
// warming added, the change a warming refuses and the caption that joins them. The pictures and
// qav-cli word the same values in English (pipeline/rendering.h, classify/hour_filter.h).
#include <QCoreApplication>
#include <QString>

#include "pipeline/rendering.h"

namespace qav {

class AnalysisText {
    Q_DECLARE_TR_FUNCTIONS(qav::AnalysisText)

  public:
    /// "hours 22-5, December-February", "all hours, July", "all hours".
    static QString hourFilter(const HourFilter& filter);
    /// "+2 °C" or "monthly changes".
    static QString warming(const Warming& warming);
    /// "January DBTmax: 26.9 + 30 = 56.9 is outside -90 to 55".
    static QString refusal(const RefusedChange& refusal);
    /// "Station INMET 83897, normals 1991-2020", with ", humidity derived" when it is.
    static QString station(const StationTag& station);
    /// The parts joined by "; ": station, "Counted: …", "What if: …"; empty when there are none.
    static QString caption(const AnalysisCaptionParts& parts);
};

}  // namespace qav
