#pragma once

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

class QWidget;

// What a failed call on the word processor raises: a number and a description, as the
// check reports them to the user.
struct AutomationError {
    int number = 0;
    QString description;
};

// A document opened in the word processor. Its content keeps paragraphs apart with a
// carriage return and always ends with one more, the final paragraph mark.
class WordDocument {
public:
    virtual ~WordDocument() = default;

    virtual void setContent(const QString& content) = 0;
    virtual QString Content() const = 0;
    // Both show the word processor's own dialog and return when the user is done with it.
    virtual void CheckSpelling() = 0;
    virtual void CheckGrammar() = 0;
    virtual void Close(bool saveChanges) = 0;
};

// The word processor's application object: the operations the check uses, under the
// names the check knows them by. Every one of them may throw AutomationError.
class WordApplication {
public:
    virtual ~WordApplication() = default;

    virtual void setVisible(bool visible) = 0;
    virtual QString Version() const = 0;
    // Documents.Add: an omitted argument is an invalid QVariant.
    virtual std::unique_ptr<WordDocument> DocumentsAdd(const QVariantList& arguments) = 0;
    virtual void Quit(bool saveChanges) = 0;
};

namespace WordProcessor {

// Starts a word processor whose dialogs belong to parent; throws AutomationError when
// there is none.
using Factory = std::function<std::unique_ptr<WordApplication>(QWidget* parent)>;

// Creates the application object through the installed factory: the Hunspell one
// unless another was installed.
std::unique_ptr<WordApplication> create(QWidget* parent);
// Installs a factory; an empty one restores the Hunspell word processor.
void installFactory(Factory factory);

} // namespace WordProcessor
