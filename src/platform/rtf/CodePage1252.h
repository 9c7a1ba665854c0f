#pragma once

#include <QChar>

// Windows-1252, the code page of the \'hh escapes in RTF from other programs.
namespace CodePage1252 {
QChar toUnicode(unsigned char byte);
}
