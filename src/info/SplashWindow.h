#pragma once

#include <QDialog>

class QTimer;

// The splash window: title, author, version, a short disclaimer and the author's mail and
// home page links. It is shown modally and closes itself when its timer fires, whatever the
// user does meanwhile; whoever showed it then carries on with start-up.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 3000;

    explicit SplashWindow(int showMilliseconds = kShowMilliseconds, QWidget* parent = nullptr);

    // Neither Escape nor a close request ends the splash early.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onTimeout();

    QTimer* m_timer = nullptr;
};
