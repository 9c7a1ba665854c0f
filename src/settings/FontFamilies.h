#pragma once

#include <QString>
#include <QStringList>

// The font families the font list offers. Where two foundries make a family of the same
// name the desktop tells them apart with a suffix ("C059 [UKWN]"); the list shows the
// family once, by its plain name, which is also the name a font is asked for by.
namespace FontFamilies {

// families without foundry suffixes, each once, sorted without regard to case.
QStringList withoutFoundries(const QStringList& families);
// The installed families, as the list shows them.
QStringList installed();
// The family the desktop really draws when asked for name.
QString drawnFor(const QString& name);

} // namespace FontFamilies
