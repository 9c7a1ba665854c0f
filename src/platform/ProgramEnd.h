#pragma once

#include <functional>

// Ends the program at once: no window's close handling runs and nothing is saved.
// Tests install their own handler to see that the program would have ended.
namespace ProgramEnd {
void end();
void setHandler(std::function<void()> handler); // an empty handler restores the default
} // namespace ProgramEnd
