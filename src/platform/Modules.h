#pragma once

#include <QString>

class QObject;

// The program's modules: plugins beside its core library, loaded on first use, so that a
// session that needs none of them never maps the libraries they link.
namespace Modules {
// The plugin instance of the module file (a base name, "libquillet_....so"), loaded on the
// first call and kept for the rest of the run; nullptr when it cannot be loaded, with the
// reason in error. A later call tries again.
QObject* load(const QString& fileName, QString* error = nullptr);
} // namespace Modules
