#include "services/SpellCheck.h"

#include "platform/EditingSurface.h"
#include "platform/Prompter.h"
#include "services/WaitWindow.h"
#include "services/WordProcessor.h"

#include <QVariant>

namespace {

SpellCheck::WaitWindow installedWaitWindow;

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

// The releases that ask for the document template, the new-template flag, the
// document type and visibility when a document is added.
bool takesAddArguments(const QString& version) {
    return version == u"9.0" || version == u"10.0" || version == u"11.0";
}

QVariantList addArguments(const QString& version) {
    if (!takesAddArguments(version))
        return {};
    return {QVariant(), QVariant(), QVariant::fromValue<qint16>(1), QVariant(true)};
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

void SpellCheck::mnuGrammar_Click(EditingSurface& surface, QWidget* parent) {
    if (surface.text().isEmpty()) {
        Prompter::inform(parent, "No text to check spelling / grammar");
        return;
    }
    showWaitWindow(parent);
    CheckGrammar(surface, parent);
}

void SpellCheck::CheckSpelling(EditingSurface& surface, QWidget* parent) {
    Check(Kind::Spelling, surface, parent);
}

void SpellCheck::CheckGrammar(EditingSurface& surface, QWidget* parent) {
    Check(Kind::SpellingAndGrammar, surface, parent);
}

// On any error the message is shown once and the check ends; whatever objects exist are
// released and the surface keeps its text.
void SpellCheck::Check(Kind kind, EditingSurface& surface, QWidget* parent) {
    const QString original = surface.text();
    if (original.isEmpty())
        return;
    // The word processor runs in this process, so no call to it can stay pending and
    // there is no request timeout to set before creating it.
    try {
        std::unique_ptr<WordApplication> application = WordProcessor::create(parent);
        application->setVisible(false);
        const QString version = application->Version();
        std::unique_ptr<WordDocument> document = application->DocumentsAdd(addArguments(version));
        document->setContent(original);
        if (kind == Kind::Spelling)
            document->CheckSpelling();
        else
            document->CheckGrammar();
        application->setVisible(false);

        QString result = document->Content();
        result.chop(1); // the final paragraph mark
        result.replace(QLatin1String("\r"), QLatin1String("\r\n"));
        if (result == surface.text())
            Prompter::inform(parent, completionMessage(kind), "Spelling Complete");

        document->Close(false);
        document.reset();
        application->Quit(true);
        application.reset();
        surface.setText(result);
    } catch (const AutomationError& error) {
        showError(parent, error);
    }
}

void SpellCheck::installWaitWindow(WaitWindow waitWindow) {
    installedWaitWindow = std::move(waitWindow);
}
