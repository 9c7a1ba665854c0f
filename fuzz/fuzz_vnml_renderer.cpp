// Renders any post, with and without images, and reads the HTML back: every element is
// one the renderer writes, each end tag closes the innermost open element, nothing stays
// open, nesting stays within the drawn limit's reach, and the user's own <, >, & and "
// only ever appear escaped.
#include "FuzzSupport.h"
#include "markup/VnmlRenderer.h"

#include <QSet>
#include <vector>

using FuzzSupport::check;

namespace {

// How many elements one drawn tag may open (a quote's table, row and cell).
constexpr int kElementsPerTag = 4;

const QSet<QString>& containers() {
    static const QSet<QString> names{"b",  "i",  "u", "s",     "tt", "sub", "sup", "span", "ul",
                                     "ol", "li", "a", "table", "tr", "td",  "pre", "p"};
    return names;
}

bool isEntityAt(QStringView html, qsizetype i) {
    for (const char* entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&nbsp;"})
        if (html.mid(i).startsWith(QLatin1String(entity)))
            return true;
    return false;
}

// The element name of a tag's text between < and >, and whether it ends an element.
void checkTag(QStringView tag, std::vector<QString>& open) {
    const bool closing = tag.startsWith(u'/');
    const QStringView rest = closing ? tag.mid(1) : tag;
    qsizetype nameEnd = 0;
    while (nameEnd < rest.size() && rest.at(nameEnd).isLetterOrNumber())
        ++nameEnd;
    const QString name = rest.left(nameEnd).toString();
    check(tag.count(u'"') % 2 == 0); // attribute values are quoted and their quotes escaped
    if (closing) {
        check(nameEnd == rest.size() && !open.empty() && open.back() == name);
        open.pop_back();
    } else if (name != u"br" && name != u"img") {
        check(containers().contains(name));
        open.push_back(name);
        check(int(open.size()) <= kMaxRenderedNesting * kElementsPerTag);
    }
}

void checkWellFormed(const QString& html) {
    std::vector<QString> open;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        check(c != u'>' && c != u'"');
        if (c == u'&') {
            check(isEntityAt(html, i));
        } else if (c == u'<') {
            const qsizetype end = html.indexOf(u'>', i);
            check(end > i + 1);
            const QStringView tag = QStringView(html).mid(i + 1, end - i - 1);
            check(!tag.contains(u'<'));
            checkTag(tag, open);
            i = end;
        }
    }
    check(open.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString post = FuzzSupport::textOf(data, size);
    checkWellFormed(renderVnml(post));
    checkWellFormed(renderVnml(post, {true}));
    return 0;
}
