#include "Keyboard.h"

#include "Samples.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

namespace {
int keyFor(QChar c) {
    return c == u' ' ? Qt::Key_Space : Qt::Key_A + (c.toLower().unicode() - 'a');
}
} // namespace

double Keyboard::press(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&m_target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&m_target, &release);
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

void Keyboard::moveCaret(int position) {
    auto& editor = static_cast<QTextEdit&>(m_target);
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(position);
    editor.setTextCursor(cursor);
    press(Qt::Key_Left);
    press(Qt::Key_Right);
}

void Keyboard::type(const QString& text, Samples& letters, Samples& spaces) {
    for (const QChar c : text)
        (c == u' ' ? spaces : letters).add(press(keyFor(c), QString(c)));
}

void Keyboard::typeAtPace(const QString& text, int intervalMs) {
    QEventLoop loop;
    QTimer typist;
    typist.setInterval(intervalMs);
    int next = 0;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        if (next == text.size()) {
            loop.quit();
            return;
        }
        const QChar c = text[next++];
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(&m_target,
                                        new QKeyEvent(type, keyFor(c), Qt::NoModifier, QString(c)));
    });
    typist.start();
    loop.exec();
}
