#pragma once

#include <functional>

class Post;
class QWidget;

// Leaving the program: the only way it ends.
namespace ProgramExit {
// Asks "OK to Exit ?" and ends the program on Yes.
void confirm(QWidget* parent);

// An empty or saved post only needs the confirmation; a changed one is offered a save
// first, after which the program ends whatever the save dialog did.
void offerSaveAndExit(QWidget* parent, const Post& post, const std::function<void()>& save);
} // namespace ProgramExit
