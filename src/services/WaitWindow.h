#pragma once

#include <QDialog>

// The short wait shown before the word processor starts; it closes itself when its
// timer fires.
class WaitWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInterval = 2000; // milliseconds

    explicit WaitWindow(QWidget* parent = nullptr);
};
