#include "ui/translation.h"
#include "ui/clipboard.h"

#include <QClipboard>
#include <QCoreApplication>
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

QString ResultsTableClipboardText(const AnalysisState& state, QChar decimalPoint, const QString& basisNote)
{
    const bool recorded = state.ShowsRecordedHours();
    std::string caption = AnalysisCaption(state, PictureLanguage());
    if (!basisNote.isEmpty()) caption += (caption.empty() ? "" : "; ") + basisNote.toStdString();
    // Month lines of normals a warming changed end in a mark, so a pasted table is not taken for
    // the normals as read.
    const std::string mark =
        state.Warmed ? QCoreApplication::translate("qav::Clipboard", "warmed").toStdString() : std::string();
    const auto text = [&](char point) {
        return QString::fromStdString(ResultsTableText(state.Current(), state.ShownTally(), point,
                                                       TableFieldSeparator(point), recorded, caption, PictureLanguage(),
                                                       mark));
    };
    if (decimalPoint.unicode() < 0x80) return text(char(decimalPoint.unicode()));
    // The table text is built with a one-byte separator; a separator outside ASCII (the Arabic
    // decimal separator, for one) goes in through a control character that no name contains.
    constexpr char kPlaceholder = '\x1f';
    QString table = text(kPlaceholder);
    table.replace(QChar(kPlaceholder), decimalPoint);
    return table;
}

}  // namespace qav
