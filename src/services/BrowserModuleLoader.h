#pragma once

class BrowserModule;
class QWidget;

namespace BrowserModuleLoader {
// The base name of the module's file, which lies beside the program's core library.
inline constexpr char kFileName[] = "libquillet_browsers.so";

// The browser module, loaded on the first call. When it cannot be loaded the user is told
// why (parent owns the message box) and nullptr is returned; a later call tries again.
BrowserModule* load(QWidget* parent);
} // namespace BrowserModuleLoader
