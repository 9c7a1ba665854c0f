#pragma once

#include <functional>

class QUrl;

// Hands an address to the desktop (the mail program for mailto:, the user's web browser
// for anything else). Tests install their own handler to see what would have opened.
namespace DesktopLinks {
void open(const QUrl& url);
void setHandler(std::function<void(const QUrl&)> handler); // empty restores the desktop
} // namespace DesktopLinks
