#include "pipeline/sun_pictures.h"

#include "chart/svg_canvas.h"
#include "pipeline/exports.h"
#include "pipeline/picture_svg.h"
#include "pipeline/sun_block.h"

namespace qav {

SunPathInput SunPathInputOf(const AnalysisState& state)
{
    const LocationRecord& l = state.Current();
    const SunBlock b = ComputeSunBlock(state);
    SunPathInput in;
    in.LocationName = l.LocationName;
    in.LatitudeDeg = l.Latitude;
    in.LongitudeDeg = l.Longitude;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) in.Typical.push_back(b.Typical[m][h]);
    in.Recorded = RecordedSunHours(state);
    in.FacadeDeg = ChosenFacade(state);
    const FacadeShading f = ShadeFacade(in.FacadeDeg, in.Typical);
    in.OverhangVsa = f.OverhangVsa;
    in.FinsHsa = f.FinsHsa;
    in.Equidistant = state.Sun.Equidistant;
    return in;
}

CalendarInput CalendarInputOf(const AnalysisState& state)
{
    CalendarInput in;
    in.LocationName = state.Current().LocationName;
    for (int m = 1; m <= kMonths; ++m)
        for (int h = 1; h <= kHours; ++h) in.Typical[m][h] = state.HourStrategy[m][h];
    if (const RecordedYear* recorded = state.CurrentRecorded()) {
        in.RecordedCounts.assign(kMonths + 1, {});
        for (std::size_t i = 0; i < recorded->Hours.size() && i < state.RecordedStrategy.size(); ++i) {
            const RecordedHour& h = recorded->Hours[i];
            ++in.RecordedCounts[static_cast<std::size_t>(h.Month)][static_cast<std::size_t>(h.Hour)]
                               [static_cast<std::size_t>(state.RecordedStrategy[i])];
        }
    }
    return in;
}

double SunPictureWidth(SunPictureKind kind)
{
    return (kind == SunPictureKind::SunPath ? kSunPathWidthPx : kCalendarWidthPx) * kSunPictureUnits;
}

double SunPictureHeight(SunPictureKind kind)
{
    return (kind == SunPictureKind::SunPath ? kSunPathHeightPx : kCalendarHeightPx) * kSunPictureUnits;
}

void DrawSunPicture(SunPictureKind kind, ChartCanvas& canvas, const AnalysisState& state, Language language)
{
    if (kind == SunPictureKind::SunPath)
        DrawSunPath(canvas, SunPathInputOf(state), language, DecimalSeparatorOf(language));
    else
        DrawHourCalendar(canvas, CalendarInputOf(state), language);
}

std::string SunPictureTitle(SunPictureKind kind, const AnalysisState& state)
{
    return state.Current().LocationName + (kind == SunPictureKind::SunPath ? " - sun path" : " - hours calendar");
}

std::string SunPictureSvg(SunPictureKind kind, const AnalysisState& state, Language language)
{
    SvgCanvas canvas(SunPictureWidth(kind), SunPictureHeight(kind), kSunPictureUnits, kSunPictureUnits);
    DrawSunPicture(kind, canvas, state, language);
    return canvas.Document(SunPictureTitle(kind, state), ProvenanceText(PictureProvenance(state)));
}

}  // namespace qav
