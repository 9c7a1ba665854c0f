#include "markup/DocumentTextCopy.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {
constexpr char16_t kFrameStart = 0xfdd0;
constexpr char16_t kFrameEnd = 0xfdd1;
} // namespace

QString plainTextOf(QString raw) {
    for (QChar& character : raw) {
        switch (character.unicode()) {
        case kFrameStart:
        case kFrameEnd:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            character = u'\n';
            break;
        case QChar::Nbsp:
            character = u' ';
            break;
        default:
            break;
        }
    }
    return raw;
}

DocumentTextCopy::DocumentTextCopy(QTextDocument& document, QObject* parent)
    : QObject(parent), m_document(&document) {}

void DocumentTextCopy::setFollowing(bool following) {
    if (!m_document)
        return;
    disconnect(m_document, &QTextDocument::contentsChange, this,
               &DocumentTextCopy::onContentsChange);
    m_text.clear();
    if (!following)
        return;
    m_text = m_document->toRawText();
    connect(m_document, &QTextDocument::contentsChange, this, &DocumentTextCopy::onContentsChange);
}

// The counts may take in the document's last paragraph end, which the copy leaves out.
void DocumentTextCopy::onContentsChange(int position, int removed, int added) {
    const int length = m_document->characterCount() - 1;
    position = std::min(position, int(m_text.size()));
    m_text.replace(position, std::min(removed, int(m_text.size()) - position),
                   textBetween(position, std::min(position + added, length)));
    if (m_text.size() != length) // a change reported in a way not foreseen: read it all
        m_text = m_document->toRawText();
}

QString DocumentTextCopy::textBetween(int from, int to) const {
    if (to <= from)
        return {};
    QTextCursor range(m_document);
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    return range.selectedText();
}
