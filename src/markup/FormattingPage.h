#pragma once

#include <QGroupBox>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class EditingSurface;
struct TagHolders;

// The "Formatting Tags" page: the style boxes, the sample, Apply and Clear. Each box
// writes its own tag holders and asks the owner to compose the tags anew.
class FormattingPage : public QGroupBox {
    Q_OBJECT
public:
    FormattingPage(TagHolders& holders, EditingSurface& surface,
                   std::function<void()> updateStartEnd, QWidget* parent = nullptr);

    // True when nothing on the page would add a tag: no style box ticked, text colour
    // black and no highlight.
    bool nothingChosen() const;

    void cmdInsert_Click();
    void cmdDefault_Click();

private:
    struct StyleBox;
    QWidget* createStyleTags();
    QWidget* createSampleAndButtons();
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
    QPushButton* cmdInsert = nullptr;
    QPushButton* cmdDefault = nullptr;
};
