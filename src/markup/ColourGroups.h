#pragma once

#include <QWidget>

class QLabel;
class QRadioButton;
struct ColourOption;
class TagHolders;

// The "Text Color" and "Highlight" groups side by side. Each option writes the colour
// holders and shows its colour on the sample.
class ColourGroups : public QWidget {
    Q_OBJECT
public:
    ColourGroups(TagHolders& holders, QLabel* sample, QWidget* parent = nullptr);

    // The option of the given objectName, e.g. "OptionRed", "OptionHLNone".
    QRadioButton* option(const char* objectName) const;
    // Black and highlight None, as at start: no colour tag.
    bool atDefaults() const;

    // What selecting an option does; selecting one from code runs it too.
    void applyOption(const ColourOption& option);

signals:
    void holdersWritten();

private:
    QWidget* createGroup(const char* objectName, const char* title, bool highlight);
    void paintCaptions(); // again when the desktop's colours change

    TagHolders& m_holders;
    QLabel* m_sample;
};
