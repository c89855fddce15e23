#pragma once
// The location list (List1). Every entry begins with a blank, so the list's own type-ahead, which
// compares from the first character, never matched a typed name; this one ignores the blank.
#include <QElapsedTimer>
#include <QListWidget>
#include <QString>

namespace qav {

class LocationList final : public QListWidget {
    Q_OBJECT
  public:
    explicit LocationList(QWidget* parent = nullptr);

    /// Typed letters, gathered while they follow each other within the platform's key interval,
    /// make the first entry whose name (after its leading blank) starts with them current, as
    /// the arrow keys would. Case is ignored.
    void keyboardSearch(const QString& search) override;

    /// Makes the analysed slot's entry current without highlighting it, so the arrow keys move on
    /// from the location shown, and shows the list from its top with that entry in view (once
    /// the list is shown, when it is not yet).
    void showAnalysed(int slot);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showFromTop();
    bool firstViewPending_ = false;
    QString typed_;
    QElapsedTimer sinceLastKey_;
};

}  // namespace qav
