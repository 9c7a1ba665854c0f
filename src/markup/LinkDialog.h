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

    void insertLink();
    void cancel();
    // Escape and the close box cancel too.
    void reject() override;

    // " You must enter a link like  http:// " followed by the forum's host and "/".
    static QString missingAddressMessage();

private:
    void insertAndClose(const QString& text);

    EditingSurface& m_surface;
    QLineEdit* m_addressField = nullptr;
    QLineEdit* m_textField = nullptr;
};
