#pragma once

#include <QGroupBox>

class EditingSurface;
class QRadioButton;

// The "List" page: a bulleted and a numbered column of item counts, and Insert List,
// which puts the chosen list skeleton in at the caret.
class ListPage : public QGroupBox {
    Q_OBJECT
public:
    explicit ListPage(EditingSurface& surface, QWidget* parent = nullptr);

private:
    void insertList();
    QWidget* createColumn(const char* headingName, const char* heading, const QList<int>& options);

    EditingSurface& m_surface;
    QList<QRadioButton*> m_options; // indexed by option number - 1
};
