#pragma once

#include <QDialog>

class EditingSurface;
class QLineEdit;

// "Insert link to a web page": puts "[link address]text[/link]" into the post's
// selection, or the bare address when the user wants no display text.
class LinkDialog : public QDialog {
    Q_OBJECT
public:
    explicit LinkDialog(EditingSurface& surface, QWidget* parent = nullptr);

private:
    void insertLink();
    void insertAndClose(const QString& text);

    EditingSurface& m_surface;
    QLineEdit* m_addressField = nullptr;
    QLineEdit* m_textField = nullptr;
};
