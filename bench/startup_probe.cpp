// Starts the program as Main does, with the splash's wait cut to nothing and the
// introduction turned off, and prints how long the process took to get there: from its
// own start (the kernel's record of it) to a shown, painted work area.
#include "QuietStartup.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <unistd.h>

namespace {

// Milliseconds since the epoch at which this process started.
double processStartMs() {
    QFile stat("/proc/self/stat");
    QFile uptime("/proc/uptime");
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22: starttime
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    const double sinceStartMs = upSeconds * 1000 - startTicks * 1000 / sysconf(_SC_CLK_TCK);
    return QDateTime::currentMSecsSinceEpoch() - sinceStartMs;
}

bool webEngineLoaded() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("WebEngine");
}

} // namespace

int main(int argc, char* argv[]) {
    const double startedMs = processStartMs();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const std::optional<StartupOptions> options = quietStartup(folder);
    if (!options)
        return 1;
    Startup startup(*options);
    startup.run();
    startup.workArea()->repaint();
    QApplication::processEvents();
    const double readyMs = QDateTime::currentMSecsSinceEpoch();

    QTextStream(stdout) << "process start to work area ready (splash wait aside): "
                        << qRound(readyMs - startedMs)
                        << " ms; frame shown: " << (startup.frame()->isVisible() ? "yes" : "no")
                        << "; web engine loaded: " << (webEngineLoaded() ? "yes" : "no") << '\n';
    return 0;
}
