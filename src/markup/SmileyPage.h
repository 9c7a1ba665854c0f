#pragma once

#include <QGroupBox>

class EditingSurface;
class QPushButton;
struct Smiley;

// The "Smileys" page: one picture button per forum smiley and the star, each putting its
// code in at the caret. A used button stays grey until Reset.
class SmileyPage : public QGroupBox {
    Q_OBJECT
public:
    explicit SmileyPage(EditingSurface& surface, QWidget* parent = nullptr);

signals:
    // More Smileys: the owner shows the page that lists further smileys.
    void moreSmileysRequested();

private:
    // Puts the smiley's code in at the caret and greys its button.
    void insertSmiley(const Smiley& smiley, QPushButton* button);
    // The star, after a warning that it is the forum's star picture.
    void insertStar();
    // Every used button back to the window's colour.
    void resetButtons();
    // Greys a used button, in the palette's colours of the moment.
    void showUsed(QPushButton* button, bool used);
    // description: the tooltip and accessible name, e.g. "[wink]".
    QPushButton* createPictureButton(const char* objectName, const QString& picturePath,
                                     const QString& description);

    EditingSurface& m_surface;
    QList<QPushButton*> m_pictureButtons;
    QPushButton* m_starButton = nullptr;
};
