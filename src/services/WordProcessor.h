#pragma once

#include <QString>
#include <functional>
#include <memory>

class IgnoredWords;
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
    virtual QString content() const = 0;
    // Both show the word processor's own dialog and return when the user is done with it.
    virtual void checkSpelling() = 0;
    virtual void checkGrammar() = 0;
    // Closes the document without saving it.
    virtual void close() = 0;
};

// The word processor's application object: the operations the check uses. Every one of
// them may throw AutomationError.
class WordApplication {
public:
    virtual ~WordApplication() = default;

    virtual std::unique_ptr<WordDocument> addDocument() = 0;
    virtual void quit() = 0;
};

namespace WordProcessor {

// Starts a word processor whose dialogs belong to parent and share the session's
// ignoredWords; throws AutomationError when there is none.
using Factory =
    std::function<std::unique_ptr<WordApplication>(QWidget* parent, IgnoredWords& ignoredWords)>;

// Creates the application object through the installed factory: the Hunspell one
// unless another was installed.
std::unique_ptr<WordApplication> create(QWidget* parent, IgnoredWords& ignoredWords);
// Installs a factory; an empty one restores the Hunspell word processor.
void installFactory(Factory factory);

} // namespace WordProcessor
