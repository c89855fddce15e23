#pragma once
// File > Recent files: the last Monthly Data and weather files opened, newest first, kept
// between runs.
#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace qav {

class RecentFiles final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxFiles = 8;

    /// Fills `menu` (the "Recent files" submenu) from the settings.
    RecentFiles(QMenu* menu, QObject* parent);

    /// Puts the file first (once), drops the oldest beyond kMaxFiles and stores the list.
    void add(const QString& path);
    QStringList files() const;

  signals:
    void openRequested(const QString& path);

  private:
    void refill();

    QMenu* menu_;
};

}  // namespace qav
