#pragma once

#include <QObject>

class QTextEdit;

// A long text is laid out in the background, from the top down, after it is loaded or
// changed all over. Qt (6.4) ends that layout when the text changes before it is done: the
// paragraphs it had not reached yet are left without a layout, so the text shown stops
// there. After such a change the watch lays out the rest at once, or when that is the larger
// part, lays the text out again in the background with the part down to the view at once;
// either way the view stays where it was. It needs Qt's private headers; without them it
// does nothing.
class BackgroundLayoutWatch : public QObject {
    Q_OBJECT
public:
    explicit BackgroundLayoutWatch(QTextEdit& editor);

private:
    bool layingOut() const;
    void layOutAgain();

    QTextEdit& m_editor;
    bool m_wasLayingOut = false;
};
