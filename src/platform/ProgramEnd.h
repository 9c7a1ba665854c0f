#pragma once

#include <functional>

class QObject;

// Ends the program at once: no window's close handling runs and nothing is saved.
// Tests install their own handler to see that the program would have ended.
namespace ProgramEnd {
void end();
void setHandler(std::function<void()> handler); // an empty handler restores the default
// Runs cleanup when the program ends deliberately, for as long as owner lives.
void onEnd(QObject* owner, std::function<void()> cleanup);
} // namespace ProgramEnd
