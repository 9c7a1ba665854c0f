#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;

// "Tips": the program's features by topic, each with a short description and the menu
// command or key that reaches it. Shown beside the work area, not modally; Close, Escape
// and the close box unload it, so the next use starts again at the first topic.
class TipsWindow : public QDialog {
    Q_OBJECT
public:
    explicit TipsWindow(QWidget* parent = nullptr);

    void reject() override;

signals:
    // The window was closed; its owner lets it go.
    void unloaded();

private:
    // Adds a topic at its place in the list, ignoring case.
    void addTopicSorted(const QString& topic);
    void showSelectedTip();

    QListWidget* m_topicList = nullptr;
    QPlainTextEdit* m_descriptionBox = nullptr;
    QLabel* m_menuPathLabel = nullptr;
};
