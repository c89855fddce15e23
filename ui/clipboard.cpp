#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "pipeline/rendering.h"
#include "pipeline/results_table.h"

namespace qav {

void CopyImageToClipboard(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(image);
}

void CopyTextToClipboard(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QString ResultsTableClipboardText(const AnalysisState& state, QChar decimalPoint)
{
    const std::string caption = AnalysisCaption(state);
    if (decimalPoint.unicode() < 0x80)
        return QString::fromStdString(
            ResultsTableText(state.Current(), state.ShownTally(), char(decimalPoint.unicode()), caption));
    // The table text is built with a one-byte separator; a separator outside ASCII (the Arabic
    // decimal separator, for one) goes in through a control character that no name contains.
    constexpr char kPlaceholder = '\x1f';
    QString text = QString::fromStdString(ResultsTableText(state.Current(), state.ShownTally(), kPlaceholder, caption));
    text.replace(QChar(kPlaceholder), decimalPoint);
    return text;
}

}  // namespace qav
