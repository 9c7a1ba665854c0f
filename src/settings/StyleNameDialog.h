#pragma once

#include <QDialog>

class QLineEdit;

// "Enter a code": asks for the name under which the present style is stored. Apply
// refuses an empty name and stays open; Cancel (or Escape) closes it.
class StyleNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit StyleNameDialog(QWidget* parent = nullptr);

    QString styleName() const;

private:
    void acceptName();

    QLineEdit* m_nameBox = nullptr;
};
