#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The three buttons that bring one of the tool pages to the front. The active button is
// drawn white with a bold caption, the others in the highlight colour, and the help
// line below the post explains the page in front.
class PageSwitcher : public QObject {
    Q_OBJECT
public:
    explicit PageSwitcher(QLabel* helpLine, QObject* parent = nullptr);

    // Registers a page with its button and help text. The help text is stored as
    // written, each "&&" standing for one "&".
    void addPage(QPushButton* button, QWidget* page, const QString& helpText);
    void show(QWidget* page);
    QWidget* current() const { return m_current; }

private:
    struct Page {
        QPushButton* button;
        QWidget* widget;
        QString helpText;
    };
    QLabel* m_helpLine;
    QList<Page> m_pages;
    QWidget* m_current = nullptr;
};

namespace PageHelp {
extern const char* const Style;
extern const char* const Smiley;
extern const char* const List;
} // namespace PageHelp
