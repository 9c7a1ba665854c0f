#include "platform/LayoutFormats.h"

#include <vector>

#ifdef QUILLET_TEXT_ENGINE
#include <QtGui/private/qtextengine_p.h>
#endif

void LayoutFormats::set(QTextLayout& layout, const QList<QTextLayout::FormatRange>& formats) {
#ifdef QUILLET_TEXT_ENGINE
    layout.engine()->setFormats(formats);
#else
    layout.setFormats(formats);
#endif
}

bool LayoutFormats::setKeepingLines(QTextLayout& layout,
                                    const QList<QTextLayout::FormatRange>& formats) {
#ifdef QUILLET_TEXT_ENGINE
    struct Line {
        int length;
        qreal width;
        QPointF position;
        bool leadingIncluded;
    };
    std::vector<Line> lines;
    lines.reserve(layout.lineCount());
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines.push_back({line.textLength(), line.width(), line.position(), line.leadingIncluded()});
    }
    layout.engine()->setFormats(formats); // drops the lines
    if (lines.empty())
        return true; // laid out later, with the formats
    layout.beginLayout();
    for (const Line& old : lines) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(old.leadingIncluded);
        // The same characters as before, aligned within the same width.
        line.setNumColumns(old.length, old.width);
        line.setPosition(old.position);
    }
    layout.endLayout();
    return true;
#else
    Q_UNUSED(layout);
    Q_UNUSED(formats);
    return false;
#endif
}
