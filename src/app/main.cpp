#include "shell/Startup.h"

#include <QApplication>

namespace {
// The start routine: the splash, then the work area in its frame, with or without the
// introduction first.
int Main(QApplication& app) {
    Startup startup;
    startup.run();
    return app.exec();
}
} // namespace

int main(int argc, char* argv[]) {
    // The web engine, loaded later with the first browser window, draws through contexts
    // shared with the application's; they can only be asked for before it exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillet");
    QApplication::setApplicationVersion(QUILLET_VERSION);
    return Main(app);
}
