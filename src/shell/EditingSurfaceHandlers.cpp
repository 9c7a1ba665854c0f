#include "shell/EditingSurfaceHandlers.h"

#include "platform/Clipboard.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKeys.h"
#include "post/Post.h"
#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QMenu>

const char* const EditingSurfaceHandlers::DefaultFontName = "Verdana";

EditingSurfaceHandlers::EditingSurfaceHandlers(Post& post, const EditorActions& actions,
                                               QMenu& editMenu,
                                               std::function<FontChoice()> fontChoice,
                                               QObject* parent)
    : QObject(parent), m_post(post), m_actions(actions), m_editMenu(editMenu),
      m_fontChoice(std::move(fontChoice)) {
    EditingSurface& surface = post.surface();
    connect(&surface, &EditingSurface::changed, this, &EditingSurfaceHandlers::onChange);
    connect(&surface, &EditingSurface::selectionChanged, this,
            &EditingSurfaceHandlers::onSelectionChange);
    connect(&surface, &EditingSurface::keyDown, this, &EditingSurfaceHandlers::onKeyDown);
    connect(&surface, &EditingSurface::mousePressed, this, &EditingSurfaceHandlers::onMousePress);
    connect(&surface, &EditingSurface::mouseReleased, this, &EditingSurfaceHandlers::resetFont);
    // Opening the Edit menu, and closing it after a right click, offers Paste for any
    // plain text on the clipboard.
    connect(&editMenu, &QMenu::aboutToShow, this, &EditingSurfaceHandlers::enablePasteForPlainText);
    connect(&editMenu, &QMenu::aboutToHide, this, &EditingSurfaceHandlers::enablePasteForPlainText);
    resetFont();
}

void EditingSurfaceHandlers::resetFont() {
    const FontChoice choice = m_fontChoice ? m_fontChoice() : FontChoice();
    const QString name = choice.name.isEmpty() ? QString(DefaultFontName) : choice.name;
    double size = DefaultFontSize;
    if (!choice.size.isEmpty()) // a size that is not a number leaves the size alone
        size = choice.points().value_or(m_post.editor().document()->defaultFont().pointSizeF());
    m_post.surface().setFontNameAndSize(name, size);
}

void EditingSurfaceHandlers::onChange() {
    resetFont();
    m_actions.clearAll->setEnabled(!m_post.isBlank());
}

void EditingSurfaceHandlers::onSelectionChange() {
    const QFont current = m_post.editor().document()->defaultFont();
    m_post.surface().setFontNameAndSize(current.family(), current.pointSizeF());
    m_actions.clearAll->setEnabled(!m_post.isEmpty());
    const bool selected = m_post.surface().selLength() != 0;
    m_actions.cut->setEnabled(selected);
    m_actions.copy->setEnabled(selected);
    m_actions.paste->setEnabled(!Clipboard::instance().noPlainText());
}

void EditingSurfaceHandlers::onKeyDown(KeyDownArgs& args) {
    using namespace VirtualKeys;
    const bool ctrl = isCtrlHeld(args.shift);
    if (ctrl && args.keyCode == KeyV) { // a key-down here means the surface is active
        args.keyCode = 0;               // the control must not paste a second time by itself
        emit pasteRequested();
    }
    if (ctrl && args.keyCode == KeyL)
        emit wordListRequested();
    if (ctrl && args.keyCode == KeyY)
        emit customStylesRequested();
}

void EditingSurfaceHandlers::onMousePress(const MouseArgs& args) {
    if (args.button != 2)
        return;
    emit editMenuOpening(args.position);
    m_editMenu.popup(m_post.editor().viewport()->mapToGlobal(args.position));
}

void EditingSurfaceHandlers::enablePasteForPlainText() {
    m_actions.paste->setEnabled(Clipboard::instance().hasText());
}
