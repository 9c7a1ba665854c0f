#include "shell/TagCompletion.h"

#include "markup/SmileyTable.h"
#include "markup/VnmlPairing.h"
#include "markup/VnmlTokens.h"
#include "platform/EditingSurface.h"
#include "platform/VirtualKeys.h"

#include <QScrollBar>
#include <QTextEdit>

namespace {

// How far back from the caret "[/" looks for the tags still open.
constexpr int kOpenTagWindow = 64 * 1024;
constexpr int kVisibleRows = 8;

struct Entry {
    QString name; // what is typed after "[": "b", "/b", "wink"
    TagCompletion::Completion completion;
    QString picture; // a smiley's
};

bool isStartTag(const QString& text) {
    const std::vector<VnmlToken> tokens = tokenizeVnml(text);
    return tokens.size() == 1 && tokens.front().kind == VnmlToken::Kind::Start;
}

// Every tag with its end tag, then every smiley; the end tags alone after "[/".
const std::vector<Entry>& entries(bool endTags) {
    static const std::vector<Entry> all = [] {
        std::vector<Entry> list;
        for (int i = 0; i < kVnmlTagCount; ++i) {
            const auto tag = VnmlTag(i);
            const QString name = vnmlTagName(tag);
            const QString end = tag == VnmlTag::Image ? QString() : "[/" + name + "]";
            // A tag that needs an argument leaves the caret where the argument goes.
            if (isStartTag("[" + name + "]"))
                list.push_back({name, {"[" + name + "]", end}, {}});
            else
                list.push_back({name, {"[" + name + " ", "]" + end}, {}});
        }
        for (const Smiley& smiley : smileys())
            list.push_back({smiley.name, {smiley.code(), {}}, smiley.picturePath()});
        return list;
    }();
    static const std::vector<Entry> ends = [] {
        std::vector<Entry> list;
        for (int i = 0; i < kVnmlTagCount; ++i) {
            const QString name = vnmlTagName(VnmlTag(i));
            if (VnmlTag(i) != VnmlTag::Image)
                list.push_back({"/" + name, {"[/" + name + "]", {}}, {}});
        }
        return list;
    }();
    return endTags ? ends : all;
}

// Letters and digits continue a tag name or smiley code; "/" may open an end tag.
bool continuesName(const QString& typed) {
    for (int i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (!(c.isLetterOrNumber() || (i == 0 && c == QLatin1Char('/'))))
            return false;
    }
    return true;
}

} // namespace

TagCompletion::TagCompletion(QTextEdit& editor, EditingSurface& surface, QWidget* parent)
    : QListWidget(parent), m_editor(editor), m_surface(surface) {
    setObjectName("lstTagCompletion");
    setAccessibleName("Tag completion");
    setToolTip("Enter or Tab writes the tag; Escape closes the list");
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(18, 18));
    setFrameShape(QFrame::Box);
    connect(this, &QListWidget::itemClicked, this, &TagCompletion::insertCurrentEntry);
    connect(&surface, &EditingSurface::keyDown, this, &TagCompletion::onKeyDown);
    connect(&surface, &EditingSurface::changed, this, &TagCompletion::onTextChange);
    connect(&surface, &EditingSurface::selectionChanged, this, [this] {
        if (isVisible())
            narrow();
    });
    connect(&surface, &EditingSurface::clicked, this, &QWidget::hide);
    hide();
}

void TagCompletion::setOn(bool on) {
    m_on = on;
    if (!on)
        hide();
}

void TagCompletion::onKeyDown(KeyDownArgs& args) {
    using namespace VirtualKeys;
    if (isHidden()) {
        const bool command = args.shift & (ShiftMaskCtrl | ShiftMaskAlt);
        m_keyAt = command ? -1 : m_surface.selStart();
        return;
    }
    if (args.shift & (ShiftMaskCtrl | ShiftMaskAlt)) {
        hide(); // Ctrl+L and the other commands act as if the list were not there
        return;
    }
    const int up = 38, down = 40, pageUp = 33, pageDown = 34;
    switch (args.keyCode) {
    case Return:
    case Tab:
        insertCurrentEntry();
        break;
    case Escape:
        hide();
        break;
    case up:
    case down:
    case pageUp:
    case pageDown: {
        const int step = args.keyCode == up ? -1 : args.keyCode == down ? 1 : 0;
        const int page = args.keyCode == pageUp     ? -kVisibleRows
                         : args.keyCode == pageDown ? kVisibleRows
                                                    : 0;
        setCurrentRow(qBound(0, currentRow() + step + page, count() - 1));
        break;
    }
    default:
        return; // typed as usual
    }
    args.keyCode = 0;
}

void TagCompletion::onTextChange() {
    if (isVisible()) {
        narrow();
        return;
    }
    const int typedAt = m_keyAt;
    m_keyAt = -1;
    const QTextCursor caret = m_editor.textCursor();
    if (!m_on || typedAt < 0 || caret.hasSelection() || caret.position() != typedAt + 1 ||
        m_editor.document()->characterAt(typedAt) != QLatin1Char('['))
        return;
    m_anchor = typedAt;
    narrow();
}

void TagCompletion::narrow() {
    const QTextCursor caret = m_editor.textCursor();
    const int length = caret.position() - m_anchor - 1;
    QTextCursor typed(m_editor.document());
    typed.setPosition(m_anchor + 1);
    typed.setPosition(caret.position(), QTextCursor::KeepAnchor);
    const QString name = length < 0 || length > 20 ? QString("?") : typed.selectedText();
    if (caret.hasSelection() || m_editor.document()->characterAt(m_anchor) != QLatin1Char('[') ||
        !continuesName(name)) {
        hide();
        return;
    }
    const bool endTag = name.startsWith(QLatin1Char('/'));
    const QString innermost = endTag ? "/" + innermostOpenTag() : QString();
    clear();
    m_shown.clear();
    for (const Entry& entry : entries(endTag)) {
        if (!entry.name.startsWith(name, Qt::CaseInsensitive))
            continue;
        const bool first = entry.name == innermost;
        auto* item =
            new QListWidgetItem(QIcon(entry.picture), entry.completion.beforeCaret.trimmed() +
                                                          entry.completion.afterCaret);
        insertItem(first ? 0 : count(), item);
        m_shown.insert(first ? m_shown.begin() : m_shown.end(), entry.completion);
    }
    if (m_shown.empty()) {
        hide();
        return;
    }
    setCurrentRow(0);
    showAtCaret();
}

void TagCompletion::showAtCaret() {
    setFont(m_editor.document()->defaultFont());
    const int rows = qMin(count(), kVisibleRows);
    const int height = rows * sizeHintForRow(0) + 2 * frameWidth();
    const int width = qMax(sizeHintForColumn(0) + verticalScrollBar()->sizeHint().width(), 120) +
                      2 * frameWidth();
    const QRect caret = m_editor.cursorRect();
    const QPoint below = m_editor.viewport()->mapTo(parentWidget(), caret.bottomLeft());
    setGeometry(below.x(), below.y() + 2, width, height);
    show();
    raise();
}

QString TagCompletion::innermostOpenTag() const {
    QTextCursor before(m_editor.document());
    const int from = qMax(0, m_anchor - kOpenTagWindow);
    before.setPosition(from);
    before.setPosition(m_anchor, QTextCursor::KeepAnchor);
    const QString text = before.selectedText().replace(QChar::ParagraphSeparator, '\n');
    const std::vector<VnmlToken> tokens = tokenizeVnml(text);
    const VnmlPairing pairing = pairVnmlTags(tokens);
    for (int i = int(tokens.size()) - 1; i >= 0; --i) {
        if (tokens[size_t(i)].kind == VnmlToken::Kind::Start &&
            pairing.partner[size_t(i)] == VnmlPairing::kNone)
            return vnmlTagName(tokens[size_t(i)].tag);
    }
    return {};
}

void TagCompletion::insertCurrentEntry() {
    const int row = currentRow();
    hide();
    if (row < 0 || row >= int(m_shown.size()))
        return;
    const Completion chosen = m_shown[size_t(row)];
    const int caret = m_editor.textCursor().position();
    m_surface.setSelStart(m_anchor);
    m_surface.setSelLength(caret - m_anchor);
    m_surface.setSelText(chosen.beforeCaret + chosen.afterCaret);
    m_surface.setSelStart(m_anchor + int(chosen.beforeCaret.size()));
}
