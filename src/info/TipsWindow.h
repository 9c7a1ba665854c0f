#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Tips": the program's features by topic, each with a short description and the menu
// command or key that reaches it. Shown beside the work area, not modally; Close, Escape
// and the close box unload it, so the next use starts again at the first topic.
class TipsWindow : public QDialog {
    Q_OBJECT
public:
    explicit TipsWindow(QWidget* parent = nullptr);

    void cmdClose_Click();
    void reject() override;

signals:
    // The window was closed; its owner lets it go.
    void unloaded();

private:
    void Form_Load();
    void TipsList_Click();
    // Adds a topic at its place in the list, ignoring case.
    void addSorted(const QString& topic);

    QListWidget* TipsList = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdClose = nullptr;
};
