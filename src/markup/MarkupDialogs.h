#pragma once

class EditingSurface;
class QWidget;

// The link, image and irregular tag dialogs are opened fresh and modally each time, so
// each opening starts with empty fields and no option chosen.
namespace MarkupDialogs {
template <class Dialog> void openModal(EditingSurface& surface, QWidget* owner) {
    Dialog dialog(surface, owner);
    dialog.exec();
}
} // namespace MarkupDialogs
