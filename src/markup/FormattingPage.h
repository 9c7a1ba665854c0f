#pragma once

#include <QGroupBox>
#include <functional>

class ColourGroups;
class MainTagGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class EditingSurface;
struct TagHolders;

// The "Formatting Tags" page: the style boxes, the main tags, the text colour and
// highlight groups, the sample, Apply and Clear. Each control writes its own tag holders
// and asks the owner to compose the tags anew.
class FormattingPage : public QGroupBox {
    Q_OBJECT
public:
    FormattingPage(TagHolders& holders, EditingSurface& surface,
                   std::function<void()> updateStartEnd, QWidget* parent = nullptr);

    // True when no style box is ticked, the text colour is Black and the highlight None.
    // The main tag is not considered.
    bool nothingChosen() const;

    void cmdInsert_Click();
    void cmdDefault_Click();
    // The handlers of the two defaults, which the work area runs once when it loads.
    void OptionHLNone_Click();
    void OptionNone_Click();

private:
    struct StyleBox;
    QLabel* createSample();
    QWidget* createStyleTags();
    QWidget* createSampleLegend();
    QWidget* createButtons();
    void styleBox_Click(const StyleBox& box, bool ticked);
    void showMonoSpaceSample(bool monoSpace);

    TagHolders& m_holders;
    EditingSurface& m_surface;
    std::function<void()> m_updateStartEnd;

    QCheckBox* chkBold = nullptr;
    QCheckBox* chkItalic = nullptr;
    QCheckBox* chkUnderline = nullptr;
    QCheckBox* chkStrike = nullptr;
    QCheckBox* chkTT = nullptr;
    QLabel* LblSample = nullptr;
    MainTagGroup* Frame1 = nullptr;
    ColourGroups* m_colours = nullptr;
    QPushButton* cmdInsert = nullptr;
    QPushButton* cmdDefault = nullptr;
};
