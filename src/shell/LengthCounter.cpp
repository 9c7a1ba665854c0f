#include "shell/LengthCounter.h"

#include "post/TextCounts.h"

#include <QTextEdit>
#include <QTimer>

namespace {

// Red that reads on the palette's window colour, light or dark.
QColor errorColour(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() > 128 ? QColor(0xc0, 0, 0)
                                                             : QColor(0xff, 0x70, 0x70);
}

QString plural(int count, const char* noun) {
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(noun), count == 1 ? "" : "s");
}

} // namespace

LengthCounter::LengthCounter(QTextEdit& editor, QWidget* parent)
    : QLabel(parent), m_editor(editor), m_counts(new TextCounts(*editor.document(), this)),
      m_update(new QTimer(this)) {
    setObjectName("lblLength");
    setAccessibleName("Post length");
    setToolTip("Characters and words of the post, or of the selection");
    setTextFormat(Qt::PlainText);
    m_update->setSingleShot(true);
    m_update->setInterval(0);
    connect(m_update, &QTimer::timeout, this, &LengthCounter::refresh);
    const auto later = [this] { m_update->start(); };
    connect(m_counts, &TextCounts::changed, this, later);
    connect(&editor, &QTextEdit::selectionChanged, this, later);
    refresh();
}

void LengthCounter::setLimit(int maxLength) {
    m_limit = qMax(0, maxLength);
    refresh();
}

void LengthCounter::refresh() {
    const int characters = m_counts->characters();
    const int words = m_counts->words();
    const QTextCursor selection = m_editor.textCursor();
    QString shown;
    if (selection.hasSelection()) {
        const int start = selection.selectionStart(), end = selection.selectionEnd();
        shown = QStringLiteral("%1 of %2, %3 of %4")
                    .arg(end - start)
                    .arg(plural(characters, "character"))
                    .arg(m_counts->wordsBetween(start, end))
                    .arg(plural(words, "word"));
    } else {
        shown = plural(characters, "character") + ", " + plural(words, "word");
    }
    const bool over = m_limit > 0 && characters > m_limit;
    if (over)
        shown += QStringLiteral(", %1 over the limit of %2").arg(characters - m_limit).arg(m_limit);
    setText(shown);
    QPalette colours; // nothing of its own: the surroundings' colours
    if (over)
        colours.setColor(QPalette::WindowText,
                         errorColour(parentWidget() ? parentWidget()->palette() : palette()));
    setPalette(colours);
}
