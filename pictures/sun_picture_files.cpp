#include "pictures/sun_picture_files.h"

#include "chart/qt/qimage_canvas.h"
#include "pictures/picture_files.h"
#include "pipeline/exports.h"

namespace qav {

QImage RenderSunPictureImage(SunPictureKind kind, const AnalysisState& state, double devicePixelRatio,
                             Language language)
{
    QImageCanvas canvas(SunPictureWidth(kind), SunPictureHeight(kind), kSunPictureUnits, kSunPictureUnits,
                        devicePixelRatio);
    DrawSunPicture(kind, canvas, state, language);
    return DescribedImage(canvas.Image(), {SunPictureTitle(kind, state), PictureProvenance(state)});
}

QByteArray RenderSunPictureFile(SunPictureKind kind, const AnalysisState& state, PictureFormat format,
                                Language language)
{
    if (format == PictureFormat::Svg) {
        const std::string svg = SunPictureSvg(kind, state, language);
        return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    }
    return PngBytes(RenderSunPictureImage(kind, state, format == PictureFormat::Png2x ? 2 : 1, language));
}

}  // namespace qav
