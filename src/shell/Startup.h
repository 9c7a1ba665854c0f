#pragma once

#include "info/FrmFlash.h"
#include "settings/SettingsPaths.h"

#include <memory>

class FrmWorkArea;
class frmMain;

// The program's start: the splash window for its while, then the work area loads (and the
// frame with it), and either the introduction window is shown or, when its box is ticked,
// the frame with the font settings window loaded hidden.
struct StartupOptions {
    int splashMilliseconds = FrmFlash::kShowMilliseconds;
    SettingsPaths paths;
};

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
