#include "ScriptedWordProcessor.h"

#include <QVariant>

namespace {
QString describe(const QVariant& value) {
    if (!value.isValid())
        return "omitted";
    switch (value.typeId()) {
    case QMetaType::Short:
        return "short " + QString::number(value.value<qint16>());
    case QMetaType::Bool:
        return value.toBool() ? "bool true" : "bool false";
    default:
        return QString(value.typeName()) + " " + value.toString();
    }
}

QString boolText(bool value) {
    return value ? "true" : "false";
}
} // namespace

void ScriptedWordProcessor::log(const QString& call) {
    calls << call;
    if (!failingCall.isEmpty() && call.startsWith(failingCall))
        throw failure;
}

class ScriptedWordProcessor::Document : public WordDocument {
public:
    explicit Document(ScriptedWordProcessor& script) : m_script(script) {}
    ~Document() override { m_script.calls << "release document"; }

    void setContent(const QString& content) override {
        m_script.log("Content=" + content);
        m_content = content;
    }
    QString Content() const override {
        m_script.log("Content");
        return m_content;
    }
    void CheckSpelling() override { check("CheckSpelling"); }
    void CheckGrammar() override { check("CheckGrammar"); }
    void Close(bool saveChanges) override { m_script.log("Close(" + boolText(saveChanges) + ")"); }

private:
    void check(const QString& call) {
        m_script.log(call);
        m_content = m_script.editInDialog(m_content);
    }

    ScriptedWordProcessor& m_script;
    QString m_content;
};

class ScriptedWordProcessor::Application : public WordApplication {
public:
    explicit Application(ScriptedWordProcessor& script) : m_script(script) {}
    ~Application() override { m_script.calls << "release application"; }

    void setVisible(bool visible) override { m_script.log("Visible=" + boolText(visible)); }
    QString Version() const override {
        m_script.log("Version");
        return m_script.version;
    }
    std::unique_ptr<WordDocument> DocumentsAdd(const QVariantList& arguments) override {
        QStringList described;
        for (const QVariant& argument : arguments)
            described << describe(argument);
        m_script.log("Documents.Add(" + described.join(", ") + ")");
        return std::make_unique<Document>(m_script);
    }
    void Quit(bool saveChanges) override { m_script.log("Quit(" + boolText(saveChanges) + ")"); }

private:
    ScriptedWordProcessor& m_script;
};

ScriptedWordProcessor::ScriptedWordProcessor() {
    WordProcessor::installFactory([this](QWidget*) -> std::unique_ptr<WordApplication> {
        log("create");
        return std::make_unique<Application>(*this);
    });
}

ScriptedWordProcessor::~ScriptedWordProcessor() {
    WordProcessor::installFactory({});
}
