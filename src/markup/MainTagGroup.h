#pragma once

#include <QGroupBox>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct MainTagOption;
struct TagHolders;

// The "Main Tags" group: Text Only, Quote, Quote( ) and Code, a picture for the chosen
// one, and for the credited quote the handle field with its label, Paste button and
// display. Quotes are shown in italic already, so they take the Italic box away.
class MainTagGroup : public QGroupBox {
    Q_OBJECT
public:
    MainTagGroup(TagHolders& holders, QCheckBox* italicBox, QLabel* sample,
                 std::function<void()> updateStartEnd, QWidget* parent = nullptr);

    QRadioButton* option(const char* objectName) const;
    // Quote( ) is chosen but no handle has been given.
    bool handleMissing() const;
    void focusHandle();

    // What selecting an option does; selecting one from code runs it too.
    void mainTag_Click(const MainTagOption& option);
    void TxtHandle_Change();
    void cmdHandlePaste_Click();

private:
    QWidget* createHandleControls();
    void showOnlyPictureOf(const MainTagOption& option);
    void emptyHandle();

    TagHolders& m_holders;
    QCheckBox* m_italicBox;
    QLabel* m_sample;
    std::function<void()> m_updateStartEnd;

    QList<QLabel*> m_pictures;
    QLineEdit* TxtHandle = nullptr;
    QLabel* LblHandle = nullptr;
    QPushButton* cmdHandlePaste = nullptr;
    QLineEdit* TxtQuoteDisplay = nullptr;
};
