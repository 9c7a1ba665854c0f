// Starts a program, lets it settle with nothing to do, and prints its resident memory in
// kilobytes: with "bare", a program of one QTextEdit; without, this program as Main starts
// it (the splash's wait cut to nothing, the introduction turned off).
#include "shell/Startup.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>
#include <memory>

namespace {

constexpr int kSettleMs = 500;

qint64 residentKB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void settle() {
    QEventLoop loop;
    QTimer::singleShot(kSettleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool bare = app.arguments().contains("bare");
    QTemporaryDir folder;
    std::unique_ptr<QTextEdit> edit;
    std::unique_ptr<Startup> startup;
    if (bare) {
        edit = std::make_unique<QTextEdit>();
        edit->resize(1000, 700);
        edit->show();
    } else {
        QFile settings(folder.filePath("Settings.ini"));
        if (!settings.open(QIODevice::WriteOnly))
            return 1;
        settings.write("[Startup Settings]\r\nstartup=1\r\n");
        settings.close();
        StartupOptions options;
        options.splashMilliseconds = 0;
        options.paths = {folder.filePath("Settings.ini"), folder.filePath("CustomList.ini"),
                         folder.filePath("recovery")};
        startup = std::make_unique<Startup>(options);
        startup->run();
    }
    settle();
    QTextStream(stdout) << residentKB() << '\n';
    return 0;
}
