#pragma once

class DocumentCommands;
class DraftRecovery;
class Post;
class QWidget;

// Leaving the program: the only way it ends.
namespace ProgramExit {
// Asks "OK to Exit ?" and ends the program on Yes.
void confirm(QWidget* parent);

// An empty or saved post only needs the confirmation; a changed one is offered a save
// first. No discards its recovery copy and ends; Yes ends after the save, or after a
// cancelled save dialog with the copy kept, but not after a failed save.
void offerSaveAndExit(QWidget* parent, const Post& post, DocumentCommands& documents,
                      DraftRecovery& drafts);
} // namespace ProgramExit
