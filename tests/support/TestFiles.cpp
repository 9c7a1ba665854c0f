#include "TestFiles.h"

#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

void underFileSizeLimit(long long bytes, const std::function<void()>& action) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit previous = limit;
    limit.rlim_cur = rlim_t(bytes);
    std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
    ::setrlimit(RLIMIT_FSIZE, &limit);
    action();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, SIG_DFL);
}
