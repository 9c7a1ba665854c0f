#pragma once

#include <QString>
#include <functional>

// The texts the splash window and the about box show about the program.
namespace ProgramInfo {

// "Version " and the major, minor and patch numbers, e.g. "Version 1.0.0".
QString versionText();

QString splashDisclaimer();
QString aboutDisclaimer();

// The forum page that shows the author's handle.
QString authorHandlePage();
// The author's home page as the about box opens it, with a closing "/".
QString homePageAddress();
// The mail address as the system's mail program takes it.
QString mailAddress();

} // namespace ProgramInfo

// Opens a full address in the program's forum browser: shows the browser, brings it to the
// front, maximises it when asked and navigates. Empty while the program has no forum browser.
using OpenInForumBrowser = std::function<void(const QString& address, bool maximised)>;

// The forum site's address followed by path.
QString forumPage(const QString& path);
