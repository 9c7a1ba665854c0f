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

    // Escape and the close box close, which writes the file.
    void reject() override;

signals:
    // The file has been written and the window closed.
    void closedAndWritten();

private:
    void addEntry(const QString& entry);
    void updateAddButton();
    void addTypedEntry();
    void deleteSelectedEntry();
    void writeAndClose();

    QString m_listPath;
    QStringList m_entries; // what m_list shows, in the same order

    QLineEdit* m_entryBox = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_addButton = nullptr;
};
