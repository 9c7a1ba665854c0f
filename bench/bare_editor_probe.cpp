// The yardstick for the program's idle memory: a bare QTextEdit in a window, nothing else.
// Prints its resident set in kB once it has sat idle.
#include "IdleMemory.h"

#include <QTextEdit>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextEdit editor;
    editor.resize(800, 600);
    editor.show();
    QTextStream(stdout) << IdleMemory::residentAfterIdle() << '\n';
    return 0;
}
