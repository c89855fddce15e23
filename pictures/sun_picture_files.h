#pragma once
// The sun path's and the hours calendar's files and images, as the chart's are made.
#include <QByteArray>
#include <QImage>

#include "pictures/pictures.h"
#include "pipeline/sun_pictures.h"

namespace qav {

/// The picture as an image at a pixel ratio, with its provenance as text.
QImage RenderSunPictureImage(SunPictureKind kind, const AnalysisState& state, double devicePixelRatio,
                             Language language = Language::English);

/// The bytes of the picture's file: PNG (Png2x at twice the pixels) or SVG; empty when the
/// picture cannot be encoded.
QByteArray RenderSunPictureFile(SunPictureKind kind, const AnalysisState& state, PictureFormat format,
                                Language language = Language::English);

}  // namespace qav
