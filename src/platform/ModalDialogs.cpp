#include "platform/ModalDialogs.h"

#include <QDialog>

namespace ModalDialogs {

namespace {
Runner& installed() {
    static Runner runner;
    return runner;
}
} // namespace

int run(QDialog& dialog) {
    if (installed())
        return installed()(dialog);
    return dialog.exec();
}

void install(Runner runner) {
    installed() = std::move(runner);
}

} // namespace ModalDialogs
