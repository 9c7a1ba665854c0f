#pragma once

#include <QDialog>

class EditingSurface;
class QLineEdit;

// "Insert Image": puts "[img address]" into the post's selection. The address is taken
// as typed; the dialog tells the user it is not checked.
class ImageDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImageDialog(EditingSurface& surface, QWidget* parent = nullptr);

private:
    void insertImage();

    EditingSurface& m_surface;
    QLineEdit* m_addressField = nullptr;
};
