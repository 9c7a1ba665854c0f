#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QTextDocument;

// A document's raw characters as QTextDocument::toPlainText gives them (a plain text stays as
// it is). Linear in the length: meant for a worker thread.
QString plainTextOf(QString raw);

// A copy of a document's characters kept up to date change by change, so that a long
// post's text can go to a worker thread after each change without reading the whole
// document on the typing path. Copying the text it gives is cheap: it shares its data.
class DocumentTextCopy : public QObject {
    Q_OBJECT
public:
    explicit DocumentTextCopy(QTextDocument& document, QObject* parent = nullptr);

    // Reads the whole document and follows its changes from now on; off forgets the text.
    void setFollowing(bool following);

    // The characters as the document keeps them, without its last paragraph end.
    const QString& rawText() const { return m_text; }

private:
    void onContentsChange(int position, int removed, int added);
    QString textBetween(int from, int to) const;

    QPointer<QTextDocument> m_document;
    QString m_text;
};
