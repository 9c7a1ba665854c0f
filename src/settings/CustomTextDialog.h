#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Custom Text": the user's list of reusable text, kept sorted. Add and Delete change the
// working copy; Close (or Escape) always writes it to the custom text file. There is no
// cancelling.
class CustomTextDialog : public QDialog {
    Q_OBJECT
public:
    explicit CustomTextDialog(const QString& listPath, QWidget* parent = nullptr);

    // The working list, in its sorted order.
    QStringList entries() const { return m_entries; }

    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdClose_Click();
    // Escape and the close box close, which writes the file.
    void reject() override;

signals:
    // The file has been written and the window closed.
    void closedAndWritten();

private:
    void addEntry(const QString& entry);
    void TxtCustom_Change();

    QString m_listPath;
    QStringList m_entries; // what ListCustom shows, in the same order

    QLineEdit* TxtCustom = nullptr;
    QListWidget* ListCustom = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClose = nullptr;
};
