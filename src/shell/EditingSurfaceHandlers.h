#pragma once

#include "settings/FontSettingsStore.h"

#include <QObject>
#include <QPoint>
#include <functional>

class Post;
class QMenu;
struct EditorActions;
struct KeyDownArgs;
struct MouseArgs;

// What the work area does when the user types, clicks and selects in the post: it keeps
// the chosen font on the text and the Edit items enabled as they should be, opens the
// Edit menu on a right click, and turns the keys that belong to the work area into
// requests.
class EditingSurfaceHandlers : public QObject {
    Q_OBJECT
public:
    // fontChoice is read on every change of the text; until it has one, the defaults show.
    EditingSurfaceHandlers(Post& post, const EditorActions& actions, QMenu& editMenu,
                           std::function<FontChoice()> fontChoice, QObject* parent = nullptr);

    // Applies the chosen font (or Verdana at 11 points) to the whole text, plain.
    void resetFont();

    static const char* const DefaultFontName;
    static constexpr double DefaultFontSize = 11;

signals:
    // Ctrl+V: the control's own paste is swallowed so that the Paste command runs once.
    void pasteRequested();
    // Ctrl+L
    void wordListRequested();
    // Ctrl+Y
    void customStylesRequested();
    // A right click at position, in the control's viewport, is about to open the Edit menu.
    void editMenuOpening(const QPoint& position);

private:
    void onChange();
    void onSelectionChange();
    void onKeyDown(KeyDownArgs& args);
    void onMousePress(const MouseArgs& args);
    void enablePasteForPlainText();

    Post& m_post;
    const EditorActions& m_actions;
    QMenu& m_editMenu;
    std::function<FontChoice()> m_fontChoice;
};
