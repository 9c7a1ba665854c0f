#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Custom Text": the user's list of reusable text, kept sorted. Add and Delete change the
// working copy; Close (or Escape) always writes it to the custom text file, merging the
// additions and deletions into what another running copy may have written meanwhile.
// There is no cancelling; only when the changes cannot be written does the window ask
// before it closes without them.
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
    bool confirmCloseUnwritten();

    QString m_listPath;
    QStringList m_loadedEntries; // the file's entries when the window opened, sorted
    QStringList m_entries;       // what m_list shows, in the same order

    QLineEdit* m_entryBox = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_addButton = nullptr;
};
