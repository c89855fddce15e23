#include "tests/ui/english_text_check.h"

#include <QtWidgets>  // with the whole of Qt Gui and Qt Core, as the window's tests include it
#include <algorithm>

namespace qav::test {
namespace {

// Lower-case words of letters; a mnemonic's '&' does not split "E&xibir".
QStringList Words(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text + u' ') {
        if (c.isLetter()) {
            word += c.toLower();
        } else if (c != u'&') {
            if (word.size() >= 2) words << word;
            word.clear();
        }
    }
    return words;
}

QString PlainText(const QString& text)
{
    if (!Qt::mightBeRichText(text)) return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// File paths name data, not the program's words: "/home/ana/work/QAVmine.TXT", or an absolute
// path up to the end of its line or a ": " after it, as folders may hold blanks ("/tmp/QAV tests-1/cut.epw").
QString WithoutPaths(QString text)
{
    static const QRegularExpression path(
        QStringLiteral("(?:^|(?<=\\s))/[^\\n]*?(?=: |\\n|$)|\\S*[/\\\\]\\S*[/\\\\]\\S*"));
    return text.replace(path, QStringLiteral(" "));
}

QString Where(const QWidget* w)
{
    QString where = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) where += u' ' + w->objectName();
    if (const QWidget* window = w->window(); window != w) where = Where(window) + QStringLiteral(" / ") + where;
    return where;
}

bool InsideFileDialog(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QFileDialog*>(p)) return true;
    return false;
}

}  // namespace

EnglishTextCheck::EnglishTextCheck(const QString& tsPath, const QStringList& sameInBoth)
{
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly)) return;
    QSet<QString> sourceWords, portugueseWords;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            for (const QString& w : Words(PlainText(source))) sourceWords.insert(w);
        } else if (xml.name() == QLatin1String("translation") || xml.name() == QLatin1String("numerusform")) {
            const QString portuguese = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            for (const QString& w : Words(PlainText(portuguese))) portugueseWords.insert(w);
            if (!portuguese.isEmpty() && portuguese != source) untranslated_.insert(source);
        }
    }
    for (const QString& w : sameInBoth) {
        portugueseWords.insert(w.toLower());
        untranslated_.remove(w);
    }
    englishWords_ = sourceWords - portugueseWords;
}

void EnglishTextCheck::check(const QString& where, const QString& text)
{
    if (text.trimmed().isEmpty()) return;
    const QString plain = PlainText(text);
    if (untranslated_.contains(text) || untranslated_.contains(plain)) {
        failures_.insert(QStringLiteral("%1: untranslated \"%2\"").arg(where, plain.left(80)));
        return;
    }
    QStringList english;
    for (const QString& w : Words(WithoutPaths(plain)))
        if (englishWords_.contains(w) && !english.contains(w)) english << w;
    if (!english.isEmpty())
        failures_.insert(QStringLiteral("%1: \"%2\" has English (%3)")
                             .arg(where, plain.simplified().left(100), english.join(QStringLiteral(", "))));
}

void EnglishTextCheck::checkAction(const QString& where, const QAction* action)
{
    if (action->isSeparator()) return;
    const QString at = where + QStringLiteral(" / action ") + action->objectName();
    for (const QString& t :
         {action->text(), action->iconText(), action->toolTip(), action->statusTip(), action->whatsThis()})
        check(at, t);
    if (const QMenu* menu = action->menu()) check(at, menu->title());
}

void EnglishTextCheck::checkWidgetTree(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (InsideFileDialog(w)) continue;
        const QString where = Where(w);
        if (auto* files = qobject_cast<QFileDialog*>(w)) {
            check(where, files->windowTitle());
            for (const QString& filter : files->nameFilters()) check(where + QStringLiteral(" / type list"), filter);
            continue;
        }
        QStringList texts{w->windowTitle(), w->toolTip(),        w->statusTip(),
                          w->whatsThis(),   w->accessibleName(), w->accessibleDescription()};
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w)) texts << box->title();
        if (auto* menu = qobject_cast<QMenu*>(w)) texts << menu->title();
        if (auto* bar = qobject_cast<QStatusBar*>(w)) texts << bar->currentMessage();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->text() << edit->placeholderText();
        if (auto* edit = qobject_cast<QTextEdit*>(w)) texts << edit->toPlainText() << edit->placeholderText();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) texts << edit->toPlainText();
        if (auto* spin = qobject_cast<QSpinBox*>(w))
            texts << spin->prefix() << spin->suffix() << spin->specialValueText();
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
            texts << spin->prefix() << spin->suffix() << spin->specialValueText();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i) << combo->itemData(i, Qt::ToolTipRole).toString();
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i) << tabs->tabToolTip(i);
        for (const QString& t : texts) check(where, t);
        for (const QAction* a : w->actions()) checkAction(where, a);
        // A header shows its view's model: the view walks it, headers included.
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model() && !qobject_cast<QHeaderView*>(w)) {
            const QAbstractItemModel* model = view->model();
            const QModelIndex parent = view->rootIndex();
            const int rows = std::min(model->rowCount(parent), 200), columns = model->columnCount(parent);
            for (const int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)}) {
                for (int c = 0; c < columns; ++c)
                    check(where + QStringLiteral(" / header"), model->headerData(c, Qt::Horizontal, role).toString());
                for (int r = 0; r < rows; ++r) {
                    check(where + QStringLiteral(" / row header"), model->headerData(r, Qt::Vertical, role).toString());
                    for (int c = 0; c < columns; ++c) check(where, model->index(r, c, parent).data(role).toString());
                }
            }
        }
    }
}

void EnglishTextCheck::checkSvg(const QString& where, const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    if (!svg.contains("<text")) failures_.insert(where + QStringLiteral(": no text drawn"));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            check(where, xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    if (xml.hasError()) failures_.insert(where + QStringLiteral(": ") + xml.errorString());
}

QStringList EnglishTextCheck::failures() const
{
    QStringList sorted(failures_.begin(), failures_.end());
    sorted.sort();
    return sorted;
}

}  // namespace qav::test
