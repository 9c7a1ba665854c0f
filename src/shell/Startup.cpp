#include "shell/Startup.h"

#include "info/IntroductionWindow.h"
#include "platform/ModalDialogs.h"
#include "platform/VectorIconStyle.h"
#include "shell/DraftRecovery.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorInfo.h"
#include "shell/PostEditorSettings.h"

#include <QApplication>
#include <QIcon>

Startup::Startup(StartupOptions options) : m_options(std::move(options)) {}

Startup::~Startup() = default;

void Startup::run() {
    VectorIconStyle::install();
    // Every window, the splash and the introduction before the frame among them.
    QApplication::setWindowIcon(QIcon(":/icons/quillet.svg"));
    {
        SplashWindow splash(m_options.splashMilliseconds);
        ModalDialogs::run(splash);
    }
    loadWorkArea();
    // A post left behind by a run that did not end deliberately is offered back before
    // anything else asks for the user's attention.
    if (m_workArea->recovery().offerKeptCopies(nullptr) == DraftRecovery::StartOffer::ListWanted)
        m_workArea->showDrafts();
    IntroductionWindow& introduction = m_workArea->info().introduction();
    if (!introduction.startUpBoxTicked()) {
        ModalDialogs::run(introduction); // its OK, or its closing, shows the frame
        return;
    }
    m_frame->show();
    m_workArea->settings().fontWindow();
}

void Startup::loadWorkArea() {
    m_frame = std::make_unique<MainFrame>();
    m_workArea = new PostEditor(nullptr, m_options.paths);
    m_frame->addWorkArea(m_workArea);
    if (m_options.workAreaLoaded)
        m_options.workAreaLoaded(*m_frame, *m_workArea);
}
