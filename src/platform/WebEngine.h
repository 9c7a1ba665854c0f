#pragma once

class QWebEngineProfile;

// The embedded web engine is brought up only when the first browser window opens, so
// starting the program does not pay for it.
namespace WebEngine {
// The profile every browser window uses, created on the first call: Chromium's sandbox
// is turned off only when running as root (it refuses to start otherwise), and local
// pages may not read local files or reach remote sites.
QWebEngineProfile* profile();
} // namespace WebEngine
