#pragma once
// Finds English left in what a Brazilian user reads. The English comes from the translation file
// itself: a text equal to a source whose Portuguese differs, or holding a word of the sources that
// no translation uses ("Total", "Normal" and "Latitude" read the same in both languages).
#include <QSet>
#include <QString>
#include <QStringList>

class QAction;
class QWidget;

namespace qav::test {

class EnglishTextCheck {
  public:
    /// Reads the .ts file; `sameInBoth` adds words that read the same in both languages but no
    /// translation happens to use (names of data, file types).
    EnglishTextCheck(const QString& tsPath, const QStringList& sameInBoth);
    /// The number of English words known: zero when the file could not be read.
    qsizetype englishWordCount() const { return englishWords_.size(); }

    /// Records `text`, shown at `where`, when it is English.
    void check(const QString& where, const QString& text);
    void checkAction(const QString& where, const QAction* action);
    /// Every text the widget and its children show: labels, buttons, titles, items, headers,
    /// tooltips, accessible names and descriptions, the actions they carry. A file dialog is
    /// walked for its title and type list only: the rest is Qt's own.
    void checkWidgetTree(QWidget* root);
    /// The texts drawn in an SVG picture (its <text> elements; the title and description carry the
    /// provenance, which stays English for programs that read it).
    void checkSvg(const QString& where, const QByteArray& svg);

    /// One line per English text found, sorted, each once.
    QStringList failures() const;

  private:
    QSet<QString> untranslated_;  // sources whose Portuguese differs from them
    QSet<QString> englishWords_;  // lower case
    QSet<QString> failures_;
};

}  // namespace qav::test
