#pragma once

#include "info/FrmFlash.h"
#include "settings/SettingsPaths.h"

#include <functional>
#include <memory>

class FrmWorkArea;
class frmMain;

struct StartupOptions {
    int splashMilliseconds = FrmFlash::kShowMilliseconds;
    SettingsPaths paths;
    // Runs as soon as the work area and its frame exist, before any of them is shown: the
    // place to connect windows that start-up does not know, such as the forum browser.
    std::function<void(frmMain&, FrmWorkArea&)> workAreaLoaded;
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

    frmMain* frame() const { return m_frame.get(); }
    FrmWorkArea* workArea() const { return m_workArea; }

private:
    void loadWorkArea();

    StartupOptions m_options;
    std::unique_ptr<frmMain> m_frame;
    FrmWorkArea* m_workArea = nullptr; // the frame's child
};
