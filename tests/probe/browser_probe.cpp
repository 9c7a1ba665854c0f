// Opens a browser window as the program does, through the browser module beside the core
// library this process uses. Prints the module's file once the window shows its page;
// exits 1 if the web engine was mapped before, 2 if the module did not load, 3 if no page.
#include "FakeSurface.h"
#include "ScriptedPrompter.h"
#include "services/BrowserAddresses.h"
#include "services/BrowserModule.h"
#include "services/BrowserModuleLoader.h"
#include "services/WebWindow.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

namespace {
QList<QByteArray> mappedFiles() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) ? maps.readAll().split('\n') : QList<QByteArray>();
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (mappedFiles().join().contains("WebEngine"))
        return 1;
    ScriptedPrompter prompter;
    BrowserModule* module = BrowserModuleLoader::load(nullptr);
    if (!module) {
        std::fprintf(stderr, "%s\n", qPrintable(prompter.asked().join('\n')));
        return 2;
    }
    FakeSurface surface;
    std::unique_ptr<WebWindow> window(module->createSmileyBrowser(surface, nullptr));
    window->show();
    window->navigate(QUrl(BrowserAddresses::localSmileyPage()));
    if (!QTest::qWaitFor([&] { return window->windowTitle() == "Insert Smileys"; }, 60000))
        return 3;
    for (const QByteArray& line : mappedFiles()) {
        if (line.endsWith(BrowserModuleLoader::kFileName)) {
            std::puts(line.mid(line.indexOf('/')).constData());
            return 0;
        }
    }
    return 2;
}
