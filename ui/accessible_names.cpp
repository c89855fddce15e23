#include "ui/accessible_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

namespace qav {

void NameMessageIcon(QMessageBox& box)
{
    // Qt's own name for the box's icon label (qmessagebox.cpp); none when the box has no icon.
    auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    if (!icon) return;
    const char* kind = nullptr;
    switch (box.icon()) {
        case QMessageBox::Information:
            kind = QT_TRANSLATE_NOOP("qav::MessageIcon", "Information");
            break;
        case QMessageBox::Warning:
            kind = QT_TRANSLATE_NOOP("qav::MessageIcon", "Warning");
            break;
        case QMessageBox::Critical:
            kind = QT_TRANSLATE_NOOP("qav::MessageIcon", "Error");
            break;
        case QMessageBox::Question:
            kind = QT_TRANSLATE_NOOP("qav::MessageIcon", "Question");
            break;
        case QMessageBox::NoIcon:
            return;
    }
    icon->setAccessibleName(QCoreApplication::translate("qav::MessageIcon", kind));
}

void NameDropDownLists(QWidget& root)
{
    const QList<QLabel*> labels = root.findChildren<QLabel*>();
    for (QComboBox* box : root.findChildren<QComboBox*>()) {
        if (!box->view()->accessibleName().isEmpty()) continue;
        QString name = box->accessibleName();
        // Its label: the one it is the buddy of, or as Qt's file dialog pairs them, "lookInLabel"
        // beside "lookInCombo".
        QString pair = box->objectName();
        pair.replace(QStringLiteral("Combo"), QStringLiteral("Label"));
        for (const QLabel* label : labels)
            if (name.isEmpty() && (label->buddy() == box || (pair != box->objectName() && label->objectName() == pair)))
                name = label->text().remove(u'&').remove(u':').trimmed();
        box->view()->setAccessibleName(name);
    }
}

namespace {

class UnnamedPartsNamer final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A file dialog makes its parts as it opens: named at its Show event, after they exist.
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow()) {
                NameDropDownLists(*window);
                if (auto* box = qobject_cast<QMessageBox*>(window)) NameMessageIcon(*box);
            }
        }
        return false;
    }
};

}  // namespace

void NameUnnamedPartsOfEveryWindow(QApplication& app) { app.installEventFilter(new UnnamedPartsNamer(&app)); }

}  // namespace qav
