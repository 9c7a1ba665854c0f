#include "shell/EditingSurfaceHandlers.h"

#include "platform/Clipboard.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKeys.h"
#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QMenu>

const char* const EditingSurfaceHandlers::DefaultFontName = "Verdana";

EditingSurfaceHandlers::EditingSurfaceHandlers(RichTextBox& box, PostEditorMenus& menus,
                                               bool& textSaved, QObject* parent)
    : QObject(parent), m_box(box), m_menus(menus), m_textSaved(textSaved) {
    EditingSurface& surface = box.surface();
    connect(&surface, &EditingSurface::changed, this, &EditingSurfaceHandlers::onChange);
    connect(&surface, &EditingSurface::selectionChanged, this,
            &EditingSurfaceHandlers::onSelChange);
    connect(&surface, &EditingSurface::clicked, this, &EditingSurfaceHandlers::onClick);
    connect(&surface, &EditingSurface::keyDown, this, &EditingSurfaceHandlers::onKeyDown);
    connect(&surface, &EditingSurface::mousePressed, this, &EditingSurfaceHandlers::onMouseDown);
    connect(&surface, &EditingSurface::mouseReleased, this, &EditingSurfaceHandlers::onMouseUp);
    // Opening the Edit menu, and closing it after a right click, offers Paste for any
    // plain text on the clipboard.
    QMenu* edit = m_menus.menu("mnuEdit");
    connect(edit, &QMenu::aboutToShow, this, &EditingSurfaceHandlers::enablePasteForPlainText);
    connect(edit, &QMenu::aboutToHide, this, &EditingSurfaceHandlers::enablePasteForPlainText);
    fontReset();
}

void EditingSurfaceHandlers::fontReset() {
    const FontChoice choice = fontChoice ? fontChoice() : FontChoice();
    const QString name = choice.name.isEmpty() ? QString(DefaultFontName) : choice.name;
    double size = DefaultFontSize;
    if (!choice.size.isEmpty()) // a size that is not a number leaves the size alone
        size = choice.points().value_or(m_box.document()->defaultFont().pointSizeF());
    m_box.surface().setFontNameAndSize(name, size);
}

void EditingSurfaceHandlers::onChange() {
    fontReset();
    m_menus.item("mnuClearAll")->setEnabled(!m_box.isBlank());
    m_textSaved = false;
}

void EditingSurfaceHandlers::onSelChange() {
    const QFont current = m_box.document()->defaultFont();
    m_box.surface().setFontNameAndSize(current.family(), current.pointSizeF());
    m_menus.item("mnuClearAll")->setEnabled(m_box.characterCount() != 0);
    const bool selected = m_box.surface().selLength() != 0;
    m_menus.item("mnuCut")->setEnabled(selected);
    m_menus.item("mnuCopy")->setEnabled(selected);
    m_menus.item("mnuPaste")->setEnabled(!Clipboard::instance().noPlainText());
}

void EditingSurfaceHandlers::onClick() {
    if (wordListVisible && wordListVisible() && hideWordList)
        hideWordList();
}

void EditingSurfaceHandlers::onKeyDown(KeyDownArgs& args) {
    using namespace VirtualKeys;
    const bool listVisible = wordListVisible && wordListVisible();
    const bool ctrl = isCtrlHeld(args.shift);

    if (args.keyCode == Escape && listVisible) {
        if (hideWordList)
            hideWordList();
        m_box.setFocus();
    }
    if (args.keyCode == Return && listVisible && insertWordListEntry)
        insertWordListEntry();          // the Enter itself still reaches the surface
    if (ctrl && args.keyCode == KeyV) { // a key-down here means the surface is active
        args.keyCode = 0;               // the control must not paste a second time by itself
        if (paste)
            paste();
    }
    if (ctrl && args.keyCode == KeyL) {
        if (openWordList)
            openWordList();
    }
    if (ctrl && args.keyCode == KeyY && showCustomStyles)
        showCustomStyles();
}

void EditingSurfaceHandlers::onMouseDown(const MouseArgs& args) {
    if (args.button != 2)
        return;
    m_menus.menu("mnuEdit")->popup(m_box.viewport()->mapToGlobal(args.position));
}

void EditingSurfaceHandlers::onMouseUp(const MouseArgs&) {
    fontReset();
}

void EditingSurfaceHandlers::enablePasteForPlainText() {
    m_menus.item("mnuPaste")->setEnabled(Clipboard::instance().hasText());
}
