#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Enter a code": asks for the name under which the present style is stored. Apply
// refuses an empty name and stays open; Cancel (or Escape) closes it.
class StyleNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit StyleNameDialog(QWidget* parent = nullptr);

    QString settingName() const;

    void cmdApply_Click();
    void cmdCancel_Click();

private:
    QLineEdit* TxtSettingName = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;
};
