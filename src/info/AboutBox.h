#pragma once

#include "info/ProgramInfo.h"

#include <QDialog>

class QLabel;
class QPushButton;
class LinkLabel;

// "About Quillet": the version, the author with links to the forum handle, mail and home
// page, and the disclaimer. Shown modally; OK or Escape closes it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(OpenInForumBrowser openInForumBrowser, QWidget* parent = nullptr);

    void cmdOK_Click();

private:
    void lblHandle_Click();
    void lblEmail_Click();
    void lblWeb_Click();
    void closeIntoForumBrowser(const QString& address);

    OpenInForumBrowser m_openInForumBrowser;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
    LinkLabel* lblHandle = nullptr;
    LinkLabel* lblEmail = nullptr;
    LinkLabel* lblWeb = nullptr;
    QPushButton* cmdOK = nullptr;
};
