#pragma once
// The "Copy" menu: the chart or the graph as a picture, the results as a text table. Each copy
// first empties the clipboard, so afterwards it holds only what was put there.
#include <QChar>
#include <QImage>
#include <QString>

#include "pipeline/analysis_state.h"

namespace qav {

void CopyImageToClipboard(const QImage& image);
void CopyTextToClipboard(const QString& text);

/// The results table of the current analysis (the shares the legend shows), with the given
/// decimal separator; LF line ends. A basis note ("Analysed at this screen's size") joins the
/// caption when the analysis is not laid out for the reference screen.
QString ResultsTableClipboardText(const AnalysisState& state, QChar decimalPoint, const QString& basisNote = {});

}  // namespace qav
