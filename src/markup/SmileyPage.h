#pragma once

#include <QGroupBox>
#include <functional>

class EditingSurface;
class QPushButton;
struct Smiley;

// The "Smileys" page: one picture button per forum smiley and the star, each putting its
// code in at the caret. A used button stays grey until Reset.
class SmileyPage : public QGroupBox {
    Q_OBJECT
public:
    // changeToDull greys the control that has the focus: the button just clicked.
    SmileyPage(EditingSurface& surface, std::function<void()> changeToDull,
               QWidget* parent = nullptr);

    void smiley_Click(const Smiley& smiley);
    void cmdStar_Click();
    void cmdResetSmiley_Click();

signals:
    // More Smileys: the owner shows the page that lists further smileys.
    void moreSmileysRequested();

private:
    QPushButton* createPictureButton(const char* objectName, const QString& picturePath);

    EditingSurface& m_surface;
    std::function<void()> m_changeToDull;
    QList<QPushButton*> m_pictureButtons;
    QPushButton* cmdStar = nullptr;
};
