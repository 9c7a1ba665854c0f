#include "platform/Prompter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace {
Prompter* installedPrompter = nullptr;

QMessageBox::Icon toQtIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(Prompter::Buttons buttons) {
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Prompter::Answer fromQtButton(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::No:
        return Prompter::Answer::No;
    case QMessageBox::Ok:
        return Prompter::Answer::Ok;
    default:
        return Prompter::Answer::Cancel;
    }
}

// "Text Files (*.txt)|*.txt" becomes Qt's "Text Files (*.txt)".
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        entries << (description.contains('(') ? description : description + " (" + pattern + ")");
    }
    return entries.isEmpty() ? filter : entries.join(";;");
}
} // namespace

Prompter& Prompter::instance() {
    static DialogPrompter dialogs;
    return installedPrompter ? *installedPrompter : dialogs;
}

void Prompter::install(Prompter* prompter) {
    installedPrompter = prompter;
}

void Prompter::inform(QWidget* parent, const QString& text, const QString& title) {
    instance().ask(parent, {title, text, Icon::Information, Buttons::Ok});
}

Prompter::Answer Prompter::question(QWidget* parent, const QString& title, const QString& text,
                                    Buttons buttons) {
    return instance().ask(parent, {title, text, Icon::Question, buttons});
}

Prompter::Answer DialogPrompter::ask(QWidget* parent, const Message& message) {
    QMessageBox box(toQtIcon(message.icon), message.title, message.text,
                    toQtButtons(message.buttons), parent);
    // Escape answers Cancel where there is one, otherwise No, as the system boxes do.
    if (message.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return fromQtButton(box.exec());
}

QString DialogPrompter::openFileName(QWidget* parent, const FileDialog& dialog) {
    return QFileDialog::getOpenFileName(parent, dialog.title, QString(), qtFilter(dialog.filter));
}

QString DialogPrompter::saveFileName(QWidget* parent, const FileDialog& dialog) {
    QFileDialog fileDialog(parent, dialog.title, QString(), qtFilter(dialog.filter));
    fileDialog.setAcceptMode(QFileDialog::AcceptSave);
    fileDialog.setDefaultSuffix(dialog.defaultExtension);
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return QString();
    return fileDialog.selectedFiles().constFirst();
}
