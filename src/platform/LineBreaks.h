#pragma once

#include <QString>

// The surface keeps one character per line break; text leaving it uses CR LF.
namespace LineBreaks {
// CR LF, lone CR and the document's paragraph separators become "\n".
QString toInternal(const QString& text);
// Every line break becomes CR LF.
QString toCrLf(const QString& text);
} // namespace LineBreaks
