#include "ui/location_list.h"

#include <QApplication>

namespace qav {

LocationList::LocationList(QWidget* parent) : QListWidget(parent)
{
    setAccessibleName(tr("Locations"));
    setAccessibleDescription(tr("Choose a location to analyse; type the first letters of its name to jump to it."));
}

void LocationList::keyboardSearch(const QString& search)
{
    if (search.isEmpty()) return;
    const bool continues = sinceLastKey_.isValid() && sinceLastKey_.elapsed() < QApplication::keyboardInputInterval();
    sinceLastKey_.start();
    typed_ = continues ? typed_ + search : search;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->text().trimmed().startsWith(typed_, Qt::CaseInsensitive)) {
            setCurrentRow(row);  // selects it too, so the location is analysed as by the arrow keys
            scrollToItem(item(row));
            return;
        }
    }
}

void LocationList::showAnalysed(int slot)
{
    if (slot < 1 || slot > count()) return;
    setCurrentRow(slot - 1, QItemSelectionModel::NoUpdate);
    // Before the list is laid out its viewport is a few pixels high, and scrolling the entry
    // into it would leave the list opened part-way down: wait for the real size.
    firstViewPending_ = !isVisible();
    if (!firstViewPending_) showFromTop();
}

void LocationList::showEvent(QShowEvent* event)
{
    QListWidget::showEvent(event);
    if (!firstViewPending_) return;
    firstViewPending_ = false;
    showFromTop();
}

void LocationList::showFromTop()
{
    scrollToTop();
    if (QListWidgetItem* current = currentItem()) scrollToItem(current, EnsureVisible);
}

}  // namespace qav
