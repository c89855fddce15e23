#pragma once
// What a screen reader needs that Qt leaves unsaid: a name for the drop-down list of each combo
// box (an object of its own when it opens) and the kind of a message box's icon. Done for every
// window as it shows, Qt's own file dialogs and message boxes included.
#include <QApplication>
#include <QMessageBox>

namespace qav {

/// Names each nameless drop-down list under root after its combo box: the box's accessible name,
/// else its label's text without the access key and colon.
void NameDropDownLists(QWidget& root);
/// Names the box's icon after its kind ("Warning"); nothing for a box without one.
void NameMessageIcon(QMessageBox& box);
/// Both, for every window of the application as it shows.
void NameUnnamedPartsOfEveryWindow(QApplication& app);

}  // namespace qav
