#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct MainTagOption;
class TagHolders;

// The "Main Tags" group: Text Only, Quote, Quote( ) and Code, a picture for the chosen
// one, and for the credited quote the handle field with its label, Paste button and
// display. Quotes are shown in italic already, so they take the Italic box away.
class MainTagGroup : public QGroupBox {
    Q_OBJECT
public:
    MainTagGroup(TagHolders& holders, QCheckBox* italicBox, QLabel* sample,
                 QWidget* parent = nullptr);

    QRadioButton* option(const char* objectName) const;
    // Quote( ) is chosen but no handle has been given.
    bool handleMissing() const;
    void focusHandle();

    // What selecting an option does; selecting one from code runs it too.
    void chooseMainTag(const MainTagOption& option);

signals:
    void holdersWritten();

private:
    void handleEdited();
    void pasteHandle();
    QWidget* createHandleControls();
    void showOnlyPictureOf(const MainTagOption& option);
    void emptyHandle();

    TagHolders& m_holders;
    QCheckBox* m_italicBox;
    QLabel* m_sample;

    QList<QLabel*> m_pictures;
    QLineEdit* m_handleField = nullptr;
    QLabel* m_handleLabel = nullptr;
    QPushButton* m_pasteHandleButton = nullptr;
    QLineEdit* m_handleDisplay = nullptr;
};
