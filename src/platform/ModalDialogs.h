#pragma once

#include <functional>

class QDialog;

// Every window the program shows modally is run through here, so tests can drive a dialog
// in place of the modal loop: construct it, set its fields, click its buttons.
namespace ModalDialogs {

// Runs the dialog to its end and returns its result code.
using Runner = std::function<int(QDialog&)>;

// exec() unless another runner is installed.
int run(QDialog& dialog);
// Installs a runner; an empty one restores exec().
void install(Runner runner);

} // namespace ModalDialogs
