#pragma once

#include <QTimer>
#include <QWidget>

class Post;
class PreviewBrowser;
class PreviewUpdater;
class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QUrl;
class BackgroundTagCheck;
class DocumentTextCopy;
struct TagProblem;

// The post as the forum will show it, beside the work area, with the tag problems
// listed below it. It follows the text as the user types, rendering and checking on
// worker threads so a long post never holds up the typing, and never takes the focus
// from the editing surface.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // parent: the window the preview belongs to and hands the focus back to.
    PreviewWindow(Post& post, QWidget* parent);

    // Shows the parent's preview, made on first use, up to date.
    static PreviewWindow* showFor(Post& post, QWidget* parent);

    // Starts rendering and checking the post's text now.
    void refresh();
    // The view and the problem list show the text of the last refresh.
    bool isUpToDate() const;

    static constexpr int kIdleMs = 250;
    // More problems than this are summed up in one last line.
    static constexpr int kMaxListedProblems = 500;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // After kIdleMs without another call, so a burst of changes costs one refresh.
    void refreshWhenIdle();
    void showProblems(const QList<TagProblem>& problems);
    void problemClicked(QListWidgetItem* item);
    void openLink(const QUrl& address);
    void giveFocusBack();
    void placeBesideParent();

    Post& m_post;
    QTimer m_idle;
    PreviewBrowser* m_rendered = nullptr;
    PreviewUpdater* m_updater = nullptr;
    BackgroundTagCheck* m_tagCheck = nullptr;
    DocumentTextCopy* m_postText = nullptr;
    QListWidget* m_problems = nullptr;
    QCheckBox* m_loadImagesBox = nullptr;
};
