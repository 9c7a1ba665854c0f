#include "SpellingDialogDriver.h"

#include "services/SpellingDialog.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

SpellingDialogDriver::SpellingDialogDriver(std::initializer_list<Step> steps) : script(steps) {
    qApp->installEventFilter(this);
}

SpellingDialogDriver::~SpellingDialogDriver() {
    qApp->removeEventFilter(this);
}

QStringList SpellingDialogDriver::words() const {
    QStringList result;
    for (const Shown& problem : shown)
        result << problem.word;
    return result;
}

bool SpellingDialogDriver::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<SpellingDialog*>(watched);
    if (dialog && event->type() == QEvent::Show) {
        ++dialogsShown;
        connect(dialog, &SpellingDialog::problemShown, this, [this, dialog] {
            QTimer::singleShot(0, dialog, [this, dialog] { answer(dialog); });
        });
    }
    return false;
}

namespace {
// The marked word is the one stretch of the sentence in a bold font.
QString markedText(QTextBrowser* sentence) {
    QString marked;
    for (QTextBlock block = sentence->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontWeight() > QFont::Normal)
                marked += it.fragment().text();
    return marked;
}
} // namespace

void SpellingDialogDriver::answer(SpellingDialog* dialog) {
    auto* sentence = dialog->findChild<QTextBrowser*>("txtSentence");
    auto* list = dialog->findChild<QListWidget*>("lstSuggestions");
    Shown seen{dialog->findChild<QLabel*>("lblProblem")->text(),
               markedText(sentence),
               sentence->toPlainText(),
               {}};
    if (list->isEnabled())
        for (int row = 0; row < list->count(); ++row)
            seen.suggestions << list->item(row)->text();
    shown << seen;
    if (onProblem)
        onProblem();

    if (script.isEmpty()) {
        ++unscriptedProblems;
        dialog->findChild<QPushButton*>("cmdCancel")->click();
        return;
    }
    const Step step = script.takeFirst();
    if (!step.changeTo.isNull())
        dialog->findChild<QLineEdit*>("txtChangeTo")->setText(step.changeTo);
    dialog->findChild<QPushButton*>(step.button)->click();
}
