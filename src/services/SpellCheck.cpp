#include "services/SpellCheck.h"

#include "platform/EditingSurface.h"
#include "platform/Prompter.h"
#include "services/WaitWindow.h"
#include "services/WordProcessor.h"

namespace {

SpellCheck::ShowWaitWindow installedWaitWindow;

void showWaitWindow(QWidget* parent) {
    if (installedWaitWindow) {
        installedWaitWindow(parent);
        return;
    }
    WaitWindow wait(parent);
    wait.exec();
}

QString completionMessage(SpellCheck::Kind kind) {
    return kind == SpellCheck::Kind::Spelling
               ? QStringLiteral("The spelling check is complete.")
               : QStringLiteral("The spelling /grammar check is complete.");
}

void showError(QWidget* parent, const AutomationError& error) {
    Prompter::instance().ask(
        parent, {"Error #: " + QString::number(error.number),
                 error.description + "\r\r" +
                     "Please note you must have Microsoft Word installed to utilize the "
                     "spell check feature.",
                 Prompter::Icon::Critical, Prompter::Buttons::Ok});
}

} // namespace

void SpellCheck::checkSpellingAndGrammar(EditingSurface& surface, IgnoredWords& ignoredWords,
                                         QWidget* parent) {
    if (surface.text().isEmpty()) {
        Prompter::inform(parent, "No text to check spelling / grammar");
        return;
    }
    showWaitWindow(parent);
    check(Kind::SpellingAndGrammar, surface, ignoredWords, parent);
}

// On any error the message is shown once and the check ends; whatever objects exist are
// released and the surface keeps its text.
void SpellCheck::check(Kind kind, EditingSurface& surface, IgnoredWords& ignoredWords,
                       QWidget* parent) {
    const QString original = surface.text();
    if (original.isEmpty())
        return;
    // The word processor runs in this process, so no call to it can stay pending and
    // there is no request timeout to set before creating it.
    try {
        std::unique_ptr<WordApplication> application = WordProcessor::create(parent, ignoredWords);
        std::unique_ptr<WordDocument> document = application->addDocument();
        document->setContent(original);
        if (kind == Kind::Spelling)
            document->checkSpelling();
        else
            document->checkGrammar();

        QString result = document->content();
        result.chop(1); // the final paragraph mark
        result.replace(QLatin1String("\r"), QLatin1String("\r\n"));
        if (result == surface.text())
            Prompter::inform(parent, completionMessage(kind), "Spelling Complete");

        document->close();
        document.reset();
        application->quit();
        application.reset();
        surface.setText(result);
    } catch (const AutomationError& error) {
        showError(parent, error);
    }
}

void SpellCheck::installWaitWindow(ShowWaitWindow showWaitWindow) {
    installedWaitWindow = std::move(showWaitWindow);
}
