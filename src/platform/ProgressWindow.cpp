#include "platform/ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
ProgressWindow* installedWindow = nullptr;

// The dialog's bar counts in thousandths, so that any size fits its int range.
constexpr int kSteps = 1000;
} // namespace

ProgressWindow& ProgressWindow::instance() {
    static DialogProgressWindow dialog;
    return installedWindow ? *installedWindow : dialog;
}

void ProgressWindow::install(ProgressWindow* window) {
    installedWindow = window;
}

DialogProgressWindow::DialogProgressWindow() = default;
DialogProgressWindow::~DialogProgressWindow() = default;

void DialogProgressWindow::begin(QWidget* parent, const QString& label) {
    m_dialog = std::make_unique<QProgressDialog>(label, QObject::tr("Cancel"), 0, kSteps, parent);
    m_dialog->setWindowTitle("Quillet");
    m_dialog->setAccessibleName(label);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->setValue(0);
}

bool DialogProgressWindow::advance(qint64 done, qint64 total) {
    m_dialog->setValue(total > 0 ? int(std::min(done, total) * kSteps / total) : kSteps);
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}

void DialogProgressWindow::end() {
    m_dialog.reset();
}
