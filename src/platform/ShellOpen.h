#pragma once

#include <QUrl>
#include <functional>

// Hands an address to the system: a mailto: address to the mail program, a web address to
// the default web browser. Tests install their own handler to see what would be opened.
namespace ShellOpen {
void open(const QUrl& address);
void setHandler(std::function<void(const QUrl&)> handler); // empty restores the system's
} // namespace ShellOpen
