#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

class PostHighlighter;
class Post;
class QAction;
class QActionGroup;
class QMenu;
class QPoint;
class SpellingMarker;
struct EditorActions;

// Spelling as you type in the work area: the marker over the post, its switch and its
// language in the Tools menu (both kept in the settings file, the language shared with the
// spelling dialog), and the corrections a right click on a marked word puts at the top of
// the Edit menu. Without any dictionary installed the marker quietly marks nothing.
class LiveSpelling : public QObject {
    Q_OBJECT
public:
    LiveSpelling(Post& post, PostHighlighter& highlighter, const EditorActions& actions,
                 QMenu& editMenu, QString settingsPath, QObject* parent = nullptr);
    ~LiveSpelling() override;

    SpellingMarker& marker() const { return *m_marker; }
    // Loads the dictionary of the language chosen (the first time, or again after the
    // spelling dialog may have added words). Happens by itself at the post's first change.
    void loadDictionary();

    // Before a right click at position (in the control's viewport) opens the Edit menu:
    // a marked word there puts its suggestions, "Add to Dictionary" and "Ignore All" on top.
    void offerCorrections(const QPoint& position);

private:
    void fillLanguageMenu();
    void chooseLanguage(const QString& language);
    void switchOnOff(bool on);
    void store() const;
    void replaceWord(int start, int length, const QString& replacement);
    void removeCorrections();

    Post& m_post;
    const EditorActions& m_actions;
    QMenu& m_editMenu;
    QString m_settingsPath;
    QString m_language; // as stored; empty: the system's
    std::unique_ptr<SpellingMarker> m_marker;
    QActionGroup* m_languageGroup;
    QList<QAction*> m_corrections; // on top of the Edit menu while it is open
};
