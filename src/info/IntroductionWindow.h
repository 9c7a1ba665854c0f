#pragma once

#include "info/ProgramInfo.h"
#include "settings/StartupSettingsStore.h"

#include <QDialog>

class QCheckBox;
class LinkLabel;

// "Introduction": advice on asking in the forums, with links to the about box, three FAQs,
// the forum list and the advanced search, and the box that keeps it from showing at
// start-up. Loading it reads the box from the settings file; OK, and every forum link,
// store the box, hide the window and ask for the main frame. Closing it any other way
// stores nothing and unloads it.
class IntroductionWindow : public QDialog {
    Q_OBJECT
public:
    IntroductionWindow(const QString& settingsPath, OpenInForumBrowser openInForumBrowser,
                       QWidget* parent = nullptr);

    // "Don't show this screen at startup " is ticked.
    bool startUpBoxTicked() const;

    // The close box and Escape: closes without storing the box.
    void reject() override;

signals:
    // OK or a forum link: the main frame is to be shown.
    void frameWanted();
    // The window was closed without OK; its owner lets it go and shows the work area.
    void unloaded();

private:
    struct ForumLink;
    void addRows();
    LinkLabel* addForumLink(const ForumLink& link, QWidget* parent);
    // OK: stores the box, hides the window and asks for the main frame.
    void storeBoxAndClose();
    void showAbout();
    void openForumLink(const ForumLink& link);

    StartupSettingsStore m_store;
    OpenInForumBrowser m_openInForumBrowser;
    QCheckBox* m_startUpBox = nullptr;
};
