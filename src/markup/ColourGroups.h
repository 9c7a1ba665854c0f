#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QRadioButton;
struct ColourOption;
struct TagHolders;

// The "Text Color" and "Highlight" groups side by side. Each option writes the colour
// holders, shows its colour on the sample and asks the owner to compose the tags anew.
class ColourGroups : public QWidget {
    Q_OBJECT
public:
    ColourGroups(TagHolders& holders, QLabel* sample, std::function<void()> updateStartEnd,
                 QWidget* parent = nullptr);

    // The option of the given objectName, e.g. "OptionRed", "OptionHLNone".
    QRadioButton* option(const char* objectName) const;
    // Black and highlight None, as at start: no colour tag.
    bool atDefaults() const;

    // What selecting an option does; selecting one from code runs it too.
    void option_Click(const ColourOption& option);

private:
    QWidget* createGroup(const char* objectName, const char* title, bool highlight);

    TagHolders& m_holders;
    QLabel* m_sample;
    std::function<void()> m_updateStartEnd;
};
