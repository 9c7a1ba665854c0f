#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class QProgressDialog;
class QWidget;

// Shows how far a long task is and lets the user cancel it. Every such window goes through
// the one installed ProgressWindow, so tests can follow the steps and cancel at any one.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;

    // Shows a task, described by label, over parent until end().
    virtual void begin(QWidget* parent, const QString& label) = 0;
    // Shows done of total and lets the program paint and take clicks. Returns false once
    // the user has cancelled.
    virtual bool advance(qint64 done, qint64 total) = 0;
    virtual void end() = 0;

    // The window in use; the program's own progress dialog unless another is installed.
    static ProgressWindow& instance();
    // Installs a progress window (not owned); nullptr restores the program's own.
    static void install(ProgressWindow* window);
};

// The program's own: a window-modal QProgressDialog with a Cancel button.
class DialogProgressWindow : public ProgressWindow {
public:
    DialogProgressWindow();
    ~DialogProgressWindow() override;

    void begin(QWidget* parent, const QString& label) override;
    bool advance(qint64 done, qint64 total) override;
    void end() override;

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};
