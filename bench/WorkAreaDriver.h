#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// Milliseconds an action takes until the event loop is free again.
template <typename Action> double millisecondsFor(Action&& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

class PostEditor;
class Prompter;
class QTextEdit;
class QWidget;

// A whole work area, made as the program makes it, with its settings files in a folder of
// its own and every question and file dialog answered without a window. The benchmarks
// drive it through its keys and menu items only, so whatever the program does on a
// change, a key or a command is part of what they measure.
class WorkAreaDriver {
public:
    WorkAreaDriver();
    ~WorkAreaDriver();

    PostEditor& workArea() const { return *m_workArea; }
    // The post's editing control.
    QTextEdit& editor() const;
    // A window the work area opened, by its name.
    QWidget* window(const char* name) const;

    // Puts formatted text in the post as the start of a new history, caret at the start.
    void load(const QString& rtf);
    // Chooses a menu item by its name; returns the milliseconds until the event loop is
    // free again.
    double choose(const char* itemName);
    // Opens a file as File > Open does, its dialog answered with path.
    void open(const QString& path);

private:
    QTemporaryDir m_folder;
    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<PostEditor> m_workArea;
};
