#include "markup/VnmlRenderer.h"

#include "markup/SmileyTable.h"
#include "markup/VnmlPairing.h"
#include "markup/VnmlTokens.h"

namespace {

// Inline tags closed early because an outer tag ended before them are opened again
// after it, up to this many at a time.
constexpr size_t kMaxReopened = 32;

const QLatin1String
    kQuoteOpen("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "
               "style=\"border-color:#b8b8b0; border-style:solid; background-color:#f4f4ee; "
               "margin-top:4px; margin-bottom:4px;\"><tr><td>");
const QLatin1String
    kCodeOpen("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "
              "style=\"border-color:#c0c0c0; border-style:solid; background-color:#f6f6f6; "
              "margin-top:4px; margin-bottom:4px;\"><tr><td><pre style=\"margin:0;\">");
const QLatin1String kBoxClose("</td></tr></table>");
const QLatin1String
    kImagePlaceholder("<span style=\"color:#505050; background-color:#e4e4e4;\">&nbsp;Image: ");

bool hasPrefix(QStringView text, const char* prefix) {
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

bool isLineBreakAt(QStringView text, qsizetype i) {
    return text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n');
}

// Drops one line break (CR LF, CR or LF) at the front or the back.
QStringView dropLeadingBreak(QStringView text) {
    if (text.startsWith(QLatin1String("\r\n")))
        return text.mid(2);
    return !text.isEmpty() && isLineBreakAt(text, 0) ? text.mid(1) : text;
}

QStringView dropTrailingBreak(QStringView text) {
    if (text.endsWith(QLatin1String("\r\n")))
        return text.chopped(2);
    return !text.isEmpty() && isLineBreakAt(text, text.size() - 1) ? text.chopped(1) : text;
}

// HTML-escapes text; a line break becomes <br>, or stays a line break in a code block.
void appendEscaped(QString& html, QStringView text, bool preformatted = false) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '&':
            html += QLatin1String("&amp;");
            break;
        case '<':
            html += QLatin1String("&lt;");
            break;
        case '>':
            html += QLatin1String("&gt;");
            break;
        case '"':
            html += QLatin1String("&quot;");
            break;
        case '\r':
            if (i + 1 < size && text[i + 1] == QLatin1Char('\n'))
                ++i;
            Q_FALLTHROUGH();
        case '\n':
            html += preformatted ? QLatin1String("\n") : QLatin1String("<br>");
            break;
        default:
            html += c;
        }
    }
}

class Renderer {
public:
    Renderer(QStringView post, const VnmlRenderOptions& options)
        : m_post(post), m_options(options), m_tokens(tokenizeVnml(post)),
          m_pairing(pairVnmlTags(m_tokens)), m_open(m_tokens.size(), false) {}

    QString run() {
        m_html.reserve(m_post.size() + m_post.size() / 4 + 64);
        for (int i = 0; i < int(m_tokens.size()); ++i)
            renderToken(i);
        while (!m_stack.empty())
            pop();
        return m_html;
    }

private:
    struct Frame {
        int start;
        VnmlTag tag;
        bool drawn; // false beyond the nesting limit
    };

    QStringView textOf(const VnmlToken& token) const {
        return m_post.mid(token.offset, token.length);
    }
    QStringView argumentOf(const VnmlToken& token) const {
        return m_post.mid(token.argOffset, token.argLength);
    }

    // Whether a start or end tag becomes markup: it needs a partner, and a link an
    // address the preview may open.
    bool isMarkup(int index) const {
        const int partner = m_pairing.partner[index];
        if (partner == VnmlPairing::kNone)
            return false;
        const VnmlToken& start = m_tokens[std::min(index, partner)];
        return start.tag != VnmlTag::Link || isLinkAddress(argumentOf(start).trimmed());
    }

    bool isBlockMarkup(int index) const {
        if (index < 0 || index >= int(m_tokens.size()))
            return false;
        const VnmlToken& token = m_tokens[index];
        return (token.kind == VnmlToken::Kind::Start || token.kind == VnmlToken::Kind::End) &&
               isBlockTag(token.tag) && isMarkup(index);
    }

    void renderToken(int index) {
        const VnmlToken& token = m_tokens[index];
        switch (token.kind) {
        case VnmlToken::Kind::Text:
            renderText(index);
            break;
        case VnmlToken::Kind::Smiley:
            renderSmiley(token);
            break;
        case VnmlToken::Kind::Image:
            renderImage(token);
            break;
        case VnmlToken::Kind::Start:
            if (isMarkup(index))
                open(index);
            else
                appendEscaped(m_html, textOf(token));
            break;
        case VnmlToken::Kind::End:
            if (isMarkup(index))
                close(m_pairing.partner[index]);
            else
                appendEscaped(m_html, textOf(token));
            break;
        }
    }

    void renderText(int index) {
        QStringView text = textOf(m_tokens[index]);
        if (isBlockMarkup(index - 1))
            text = dropLeadingBreak(text);
        if (isBlockMarkup(index + 1))
            text = dropTrailingBreak(text);
        const Frame* inner = m_stack.empty() ? nullptr : &m_stack.back();
        const bool drawnInner = inner && inner->drawn;
        // Between the items of a list only the items count.
        if (drawnInner &&
            (inner->tag == VnmlTag::BulletList || inner->tag == VnmlTag::NumberList) &&
            text.trimmed().isEmpty())
            return;
        appendEscaped(m_html, text, drawnInner && inner->tag == VnmlTag::Code);
    }

    void renderSmiley(const VnmlToken& token) {
        const Smiley& smiley = smileys()[size_t(token.smiley)];
        const QString size = QString::number(kSmileySize);
        m_html += QLatin1String("<img src=\"qrc") + smiley.picturePath() +
                  QLatin1String("\" width=\"") + size + QLatin1String("\" height=\"") + size +
                  QLatin1String("\" style=\"vertical-align:middle;\" alt=\"");
        appendEscaped(m_html, textOf(token));
        m_html += QLatin1String("\">");
    }

    void renderImage(const VnmlToken& token) {
        const QStringView address = argumentOf(token).trimmed();
        if (!isImageAddress(address)) {
            appendEscaped(m_html, textOf(token));
        } else if (m_options.loadImages) {
            m_html += QLatin1String("<img src=\"");
            appendEscaped(m_html, address);
            m_html += QLatin1String("\">");
        } else {
            m_html += kImagePlaceholder;
            appendEscaped(m_html, address);
            m_html += QLatin1String("&nbsp;</span>");
        }
    }

    void open(int start) {
        const VnmlToken& token = m_tokens[start];
        const bool drawn = m_drawnDepth < kMaxRenderedNesting;
        m_stack.push_back({start, token.tag, drawn});
        m_open[start] = true;
        if (drawn) {
            ++m_drawnDepth;
            appendOpening(token);
        }
    }

    // Closes the start tag's element. Elements opened inside it that are still open
    // close with it; the inline ones among them open again after it.
    void close(int start) {
        if (!m_open[start])
            return; // an outer element's end took it along
        std::vector<int> reopen;
        while (m_stack.back().start != start) {
            const Frame inner = pop();
            if (!isBlockTag(inner.tag) && reopen.size() < kMaxReopened)
                reopen.push_back(inner.start);
        }
        pop();
        for (auto it = reopen.rbegin(); it != reopen.rend(); ++it)
            open(*it);
    }

    Frame pop() {
        const Frame frame = m_stack.back();
        m_stack.pop_back();
        m_open[frame.start] = false;
        if (frame.drawn) {
            --m_drawnDepth;
            appendClosing(frame.tag);
        }
        return frame;
    }

    void appendOpening(const VnmlToken& token) {
        switch (token.tag) {
        case VnmlTag::Color: {
            const auto colours = parseColourArgument(argumentOf(token));
            m_html += QLatin1String("<span style=\"");
            if (!colours->text.isEmpty())
                m_html += QLatin1String("color:") + colours->text + QLatin1Char(';');
            if (!colours->background.isEmpty())
                m_html +=
                    QLatin1String("background-color:") + colours->background + QLatin1Char(';');
            m_html += QLatin1String("\">");
            break;
        }
        case VnmlTag::Quote: {
            m_html += kQuoteOpen;
            const QStringView name = argumentOf(token).trimmed();
            if (!name.isEmpty()) {
                m_html += QLatin1String("<p style=\"margin-bottom:4px;\"><b>");
                appendEscaped(m_html, name);
                m_html += QLatin1String(" wrote:</b></p>");
            }
            break;
        }
        case VnmlTag::Code:
            m_html += kCodeOpen;
            break;
        case VnmlTag::Link:
            m_html += QLatin1String("<a href=\"");
            appendEscaped(m_html, argumentOf(token).trimmed());
            m_html += QLatin1String("\">");
            break;
        case VnmlTag::Ignore:
            break;
        default:
            m_html += QLatin1Char('<') + htmlElement(token.tag) + QLatin1Char('>');
        }
    }

    void appendClosing(VnmlTag tag) {
        switch (tag) {
        case VnmlTag::Quote:
            m_html += kBoxClose;
            break;
        case VnmlTag::Code:
            m_html += QLatin1String("</pre>") + kBoxClose;
            break;
        case VnmlTag::Ignore:
            break;
        default:
            m_html += QLatin1String("</") + htmlElement(tag) + QLatin1Char('>');
        }
    }

    static QLatin1String htmlElement(VnmlTag tag) {
        switch (tag) {
        case VnmlTag::Color:
            return QLatin1String("span");
        case VnmlTag::BulletList:
            return QLatin1String("ul");
        case VnmlTag::NumberList:
            return QLatin1String("ol");
        case VnmlTag::Link:
            return QLatin1String("a");
        default:
            return vnmlTagName(tag); // b, i, u, s, tt, sub, sup, li
        }
    }

    QStringView m_post;
    VnmlRenderOptions m_options;
    std::vector<VnmlToken> m_tokens;
    VnmlPairing m_pairing;
    std::vector<bool> m_open; // per start tag: its element is open now
    std::vector<Frame> m_stack;
    int m_drawnDepth = 0;
    QString m_html;
};

} // namespace

QString renderVnml(QStringView post, const VnmlRenderOptions& options) {
    return Renderer(post, options).run();
}

bool isLinkAddress(QStringView address) {
    return isImageAddress(address) || (hasPrefix(address, "mailto:") && address.size() > 7);
}

bool isImageAddress(QStringView address) {
    for (const char* scheme : {"http://", "https://", "ftp://"}) {
        if (hasPrefix(address, scheme) && address.size() > qsizetype(qstrlen(scheme)))
            return true;
    }
    return false;
}
