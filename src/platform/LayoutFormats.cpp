#include "platform/LayoutFormats.h"

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
