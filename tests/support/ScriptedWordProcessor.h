#pragma once

#include "services/WordProcessor.h"

#include <QStringList>
#include <functional>
#include <memory>

// Stands in for the word processor while installed: logs every call with the values it
// was given, one line each ("Visible=false", "Documents.Add(omitted, omitted, short 1,
// bool true)"), and plays the user's part in the check dialog through a script.
class ScriptedWordProcessor {
public:
    ScriptedWordProcessor();
    ~ScriptedWordProcessor();

    QStringList calls;
    QString version = "12.0";
    // What the user does to the document's content in the check dialog.
    std::function<QString(const QString&)> editInDialog = [](const QString& c) { return c; };
    // Makes the call whose log line starts with this throw instead, e.g. "create".
    QString failingCall;
    AutomationError failure{429, "Cannot create the component"};

    void log(const QString& call);

private:
    class Application;
    class Document;
};
