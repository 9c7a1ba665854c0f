#include "markup/PageSwitcher.h"

#include "platform/HandCursor.h"
#include "platform/SystemColours.h"

#include <QLabel>
#include <QPushButton>

namespace PageHelp {
const char* const Style =
    "You can use any combination of color && style formatting for any text like [Blue Bold "
    "Italic underlined] or any thing you wish. You must be careful of closing the tags in "
    "reverse order. eg:[b][i][blue]Some Text[/blue][/i][/b]";
const char* const Smiley = "Some smileys listed here are animated you can verify && insert "
                           "more by clicking MORE SMILEYS button";
const char* const List =
    "To insert sub items set the curser after closing tag ( [/li] ) of the list item, select "
    "numbers required and click insert. You can even insert many levels of subitems";
} // namespace PageHelp

PageSwitcher::PageSwitcher(QLabel* helpLine, QObject* parent)
    : QObject(parent), m_helpLine(helpLine) {
    SystemColours::followPalette(helpLine, [this] {
        if (m_current)
            show(m_current);
    });
}

void PageSwitcher::addPage(QPushButton* button, QWidget* page, const QString& helpText) {
    m_pages.append({button, page, helpText});
    HandCursor::showOver(button);
    connect(button, &QPushButton::clicked, this, [this, page] { show(page); });
}

void PageSwitcher::show(QWidget* page) {
    for (const Page& entry : m_pages) {
        const bool active = entry.widget == page;
        QFont font = entry.button->font();
        font.setBold(active);
        entry.button->setFont(font);
        if (active) {
            SystemColours::paint(entry.button, SystemColours::window(), SystemColours::text());
            entry.widget->show();
            entry.widget->raise();
            m_helpLine->setText(QString(entry.helpText).replace("&&", "&"));
            m_current = entry.widget;
        } else {
            SystemColours::paint(entry.button, SystemColours::highlight(),
                                 SystemColours::highlightedText());
            entry.widget->hide();
        }
    }
}
