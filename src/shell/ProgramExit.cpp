#include "shell/ProgramExit.h"

#include "platform/ProgramEnd.h"
#include "platform/Prompter.h"

namespace ProgramExit {

void ConfirmExit(QWidget* parent) {
    if (Prompter::question(parent, "Quillet", "OK to Exit ?", Prompter::Buttons::YesNo) ==
        Prompter::Answer::Yes)
        ProgramEnd::end();
}

void ExitFlow(QWidget* parent, bool textEmpty, bool textSaved,
              const std::function<void()>& saveFunction) {
    if (textEmpty || textSaved) {
        ConfirmExit(parent);
        return;
    }
    const Prompter::Answer answer = Prompter::question(
        parent, "Save before exit?",
        "The text in the Text Editor has been changed.\r\n\r\nDo you wish to save the changes "
        "before exiting?",
        Prompter::Buttons::YesNoCancel);
    switch (answer) {
    case Prompter::Answer::Yes:
        saveFunction();
        ProgramEnd::end();
        break;
    case Prompter::Answer::No:
        ProgramEnd::end();
        break;
    default:
        break;
    }
}

} // namespace ProgramExit
