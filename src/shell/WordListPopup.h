#pragma once

#include "settings/FontSettingsStore.h"

#include <QFrame>

class EditingSurface;
struct KeyDownArgs;
class QListWidget;

// The word list pop-up (PicList) that Ctrl+L opens at the caret: the custom text entries
// in a pale yellow list (ListWords) with an empty list behind it (ListShadow) as its
// shadow. Choosing an entry writes it into the editing surface. While it is open, Escape
// and Enter typed in the surface close it and insert the current entry, and a click in
// the surface closes it.
class WordListPopup : public QFrame {
    Q_OBJECT
public:
    WordListPopup(EditingSurface& surface, QWidget* parent);

    // Refills the entries from the custom text file, in file order; none when it cannot
    // be read.
    void fill(const QString& customTextPath);
    // Shows the pop-up at a point of its parent, given in twips, in the given font, with
    // the first entry selected and the focus in the list.
    void openAt(int leftTwips, int topTwips, const FontChoice& font);
    // Writes the current entry (nothing for an empty list) over the surface's selection,
    // then closes.
    void insertCurrentEntry();
    // Hides the pop-up and gives the surface the focus.
    void dismiss();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onSurfaceKey(KeyDownArgs& args);
    void applyFont(QListWidget* list, const FontChoice& choice) const;

    EditingSurface& m_surface;
    QListWidget* m_entries = nullptr;
    QListWidget* m_shadow = nullptr;
};
