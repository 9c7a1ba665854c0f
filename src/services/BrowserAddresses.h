#pragma once

#include <QString>
#include <QUrl>

// Where the browser windows go. Each site is its scheme and host, without a trailing
// slash; the defaults are the real sites, and tests point them at a local server.
struct BrowserAddresses {
    QString forum;
    QString smileys;
    QString authorMail;
    QString homePage;

    static BrowserAddresses standard();

    QUrl forumHome() const;           // "/"
    QUrl forumList() const;           // "/forumlist.cfm", the browser's own menu
    QUrl forumListFromEditor() const; // "/forumlist.cfm?", the work area's menu
    QUrl advancedSearch() const;      // "/search.cfm"
    QUrl authorHomePage() const;
    QUrl mailToAuthor() const;
    QUrl smileyPage() const;

    // The copy of the smiley page that ships with the program.
    static QString localSmileyPage();
};
