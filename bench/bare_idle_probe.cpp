// A program of one QTextEdit and nothing else of Quillet, idle: prints its resident memory
// in kilobytes, the baseline of the program's own.
#include "IdleProbe.h"

#include <QApplication>
#include <QTextEdit>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextEdit edit;
    edit.resize(1000, 700);
    edit.show();
    IdleProbe::settleAndReport();
    return 0;
}
