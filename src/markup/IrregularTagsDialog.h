#pragma once

#include <QDialog>

class EditingSurface;
class QLabel;
class QRadioButton;
class QStackedWidget;
struct IrregularTag;

// "Irregular tags": wraps the post's selection in subscript, superscript or ignore tags.
// Each option shows a picture of its effect, a sample and an explanation.
class IrregularTagsDialog : public QDialog {
    Q_OBJECT
public:
    explicit IrregularTagsDialog(EditingSurface& surface, QWidget* parent = nullptr);

private:
    void showTag(const IrregularTag& tag);
    void applyTag();
    QWidget* createOptions();
    QRadioButton* option(const char* objectName) const;

    EditingSurface& m_surface;
    QStackedWidget* m_pictures = nullptr;
    QLabel* m_explanation = nullptr;
    QLabel* m_sample = nullptr;
};
