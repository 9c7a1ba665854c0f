// Opens a browser window through the module beside the core library in use, and prints the
// module's path once the page shows: exit 1 if the web engine was mapped before, 2 if the
// module did not load (its message on stderr), 3 if no page showed.
#include "FakeSurface.h"
#include "ScriptedPrompter.h"
#include "services/BrowserAddresses.h"
#include "services/BrowserModule.h"
#include "services/BrowserModuleLoader.h"
#include "services/WebWindow.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

// The path of the first file mapped into this process whose name contains part.
static QByteArray mapped(const char* part) {
    QFile maps("/proc/self/maps");
    for (const QByteArray& line :
         maps.open(QIODevice::ReadOnly) ? maps.readAll().split('\n') : QList<QByteArray>())
        if (line.contains(part))
            return line.mid(line.indexOf('/'));
    return {};
}

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (!mapped("WebEngine").isEmpty())
        return 1;
    ScriptedPrompter prompter;
    BrowserModule* module = BrowserModuleLoader::load(nullptr);
    if (!module)
        return std::fputs(qPrintable(prompter.asked().join('\n')), stderr), 2;
    FakeSurface surface;
    std::unique_ptr<WebWindow> window(module->createSmileyBrowser(surface, nullptr));
    window->show();
    window->navigate(QUrl(BrowserAddresses::localSmileyPage()));
    if (!QTest::qWaitFor([&] { return window->windowTitle() == "Insert Smileys"; }, 60000))
        return 3;
    std::puts(mapped(BrowserModuleLoader::kFileName).constData());
    return 0;
}
