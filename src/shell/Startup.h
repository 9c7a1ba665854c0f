#pragma once

#include "info/SplashWindow.h"
#include "settings/SettingsPaths.h"

#include <functional>
#include <memory>

class PostEditor;
class MainFrame;

struct StartupOptions {
    int splashMilliseconds = SplashWindow::kShowMilliseconds;
    SettingsPaths paths;
    // Runs as soon as the work area and its frame exist, before any of them is shown: the
    // place to connect windows that start-up does not know, such as the forum browser.
    std::function<void(MainFrame&, PostEditor&)> workAreaLoaded;
};

// The program's start: the splash window for its while, then the work area loads (and the
// frame with it), and either the introduction window is shown or, when its box is ticked,
// the frame with the font settings window loaded hidden.
class Startup {
public:
    explicit Startup(StartupOptions options = StartupOptions());
    ~Startup();

    // Runs start-up up to the first window the user works in; returns when the splash and,
    // if shown, the introduction window have closed.
    void run();

    MainFrame* frame() const { return m_frame.get(); }
    PostEditor* workArea() const { return m_workArea; }

private:
    void loadWorkArea();

    StartupOptions m_options;
    std::unique_ptr<MainFrame> m_frame;
    PostEditor* m_workArea = nullptr; // the frame's child
};
