#include "shell/ProgramExit.h"

#include "platform/ProgramEnd.h"
#include "platform/Prompter.h"
#include "post/Post.h"
#include "shell/DocumentCommands.h"
#include "shell/DraftRecovery.h"

namespace ProgramExit {

void confirm(QWidget* parent) {
    if (Prompter::question(parent, "Quillet", "OK to Exit ?", Prompter::Buttons::YesNo) ==
        Prompter::Answer::Yes)
        ProgramEnd::end();
}

void offerSaveAndExit(QWidget* parent, const Post& post, DocumentCommands& documents,
                      DraftRecovery& drafts) {
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
        // The program end keeps the copy of a post whose save was cancelled.
        if (documents.saveToChosenFile() != DocumentCommands::SaveResult::Failed)
            ProgramEnd::end();
        break;
    case Prompter::Answer::No:
        drafts.discard();
        ProgramEnd::end();
        break;
    default:
        break;
    }
}

} // namespace ProgramExit
