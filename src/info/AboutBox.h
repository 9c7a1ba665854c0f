#pragma once

#include "info/ProgramInfo.h"

#include <QDialog>

// "About Quillet": the version, the author with links to the forum handle, mail and home
// page, and the disclaimer. Shown modally; OK or Escape closes it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(OpenInForumBrowser openInForumBrowser, QWidget* parent = nullptr);

private:
    void closeIntoForumBrowser(const QString& address);

    OpenInForumBrowser m_openInForumBrowser;
};
