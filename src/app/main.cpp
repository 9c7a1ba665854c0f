#include "shell/FrmWorkArea.h"
#include "shell/WorkAreaSettings.h"
#include "shell/frmMain.h"

#include <QApplication>

namespace {
// The start routine: the frame comes into being with its one work area.
int Main(QApplication& app) {
    auto* frame = new frmMain;
    auto* workArea = new FrmWorkArea;
    frame->addWorkArea(workArea);
    frame->show();
    workArea->settings().fontWindow(); // loaded hidden: its lists hold the font choice
    return app.exec();
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillet");
    QApplication::setApplicationVersion(QUILLET_VERSION);
    return Main(app);
}
