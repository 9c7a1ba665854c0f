#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

// Stands in for the modal loop while it lives. Each window opened modally is recorded by
// its name and handed to the next scripted step, which drives it as a user would (fields,
// clicks, keys) and returns; the window's result is whatever the step left. A window
// opened with no step left is recorded and returned at once, unanswered.
class ModalScript {
public:
    using Step = std::function<void(QDialog&)>;

    ModalScript();
    ~ModalScript();

    QStringList opened; // objectName of every window opened modally, in order
    QList<Step> steps;
};
