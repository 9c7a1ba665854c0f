#pragma once

#include <functional>

class QWidget;

// Leaving the program: the only way it ends.
namespace ProgramExit {
// Asks "OK to Exit ?" and ends the program on Yes.
void ConfirmExit(QWidget* parent);

// The exit flow: an empty or saved text only needs the confirmation; changed text is
// offered a save first, after which the program ends whatever the save dialog did.
void ExitFlow(QWidget* parent, bool textEmpty, bool textSaved,
              const std::function<void()>& saveFunction);
} // namespace ProgramExit
