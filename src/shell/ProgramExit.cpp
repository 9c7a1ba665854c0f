#include "shell/ProgramExit.h"

#include "platform/ProgramEnd.h"
#include "platform/Prompter.h"
#include "post/Post.h"

namespace ProgramExit {

void confirm(QWidget* parent) {
    if (Prompter::question(parent, "Quillet", "OK to Exit ?", Prompter::Buttons::YesNo) ==
        Prompter::Answer::Yes)
        ProgramEnd::end();
}

void offerSaveAndExit(QWidget* parent, const Post& post, const std::function<void()>& save) {
    if (post.isEmpty() || post.isSaved()) {
        confirm(parent);
        return;
    }
    const Prompter::Answer answer = Prompter::question(
        parent, "Save before exit?",
        "The text in the Text Editor has been changed.\r\n\r\nDo you wish to save the changes "
        "before exiting?",
        Prompter::Buttons::YesNoCancel);
    switch (answer) {
    case Prompter::Answer::Yes:
        save();
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
