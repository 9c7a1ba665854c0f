#pragma once

#include <QTimer>
#include <QWidget>

class Post;
class PreviewBrowser;
class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QUrl;

// The post as the forum will show it, beside the work area, with the tag problems
// listed below it. It follows the text as the user types and never takes the focus
// from the editing surface.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // parent: the window the preview belongs to and hands the focus back to.
    PreviewWindow(Post& post, QWidget* parent);

    // Shows the parent's preview, made on first use, up to date.
    static PreviewWindow* showFor(Post& post, QWidget* parent);

    // Renders the post's text now.
    void refresh();

    static constexpr int kIdleMs = 250;
    // More problems than this are summed up in one last line.
    static constexpr int kMaxListedProblems = 500;

protected:
    void showEvent(QShowEvent* event) override;
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // After kIdleMs without another call, so a burst of changes costs one refresh.
    void refreshWhenIdle();
    void showProblems(const QString& text);
    void problemClicked(QListWidgetItem* item);
    void openLink(const QUrl& address);
    void giveFocusBack();
    void placeBesideParent();

    Post& m_post;
    QTimer m_idle;
    PreviewBrowser* m_rendered = nullptr;
    QListWidget* m_problems = nullptr;
    QCheckBox* m_loadImagesBox = nullptr;
};
