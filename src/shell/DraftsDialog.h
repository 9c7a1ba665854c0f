#pragma once

#include <QDialog>
#include <functional>

class DraftRecovery;
class QLabel;
class QListWidget;
class QPushButton;

// "Recover Drafts": lists every kept copy of an unsaved post, newest first, with its time,
// size and first line. Open puts the chosen copy into the post (through replacePost, which
// may ask to save the present one first) and closes the window; Delete removes the copy
// after a question.
class DraftsDialog : public QDialog {
    Q_OBJECT
public:
    using PostReplacer = std::function<bool(const QString& text)>;

    DraftsDialog(DraftRecovery& drafts, PostReplacer replacePost, QWidget* parent = nullptr);

private:
    void fillList();
    void openChosen();
    void deleteChosen();
    void enableButtons();
    QString chosenPath() const;

    DraftRecovery& m_drafts;
    PostReplacer m_replacePost;
    QLabel* m_heading = nullptr;
    QListWidget* m_copyList = nullptr;
    QPushButton* m_openButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
};
