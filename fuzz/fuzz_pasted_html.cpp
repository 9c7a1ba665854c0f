// Pastes any HTML as the editing surface does and checks the filter: the text comes
// through whole, and of its formatting only the colours and the strike-out are left.
#include "FuzzSupport.h"
#include "platform/PastedText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

using FuzzSupport::check;

namespace {

void checkOnlyColoursAndStrikeOut(const QTextDocumentFragment& fragment) {
    QTextDocument document;
    QTextCursor(&document).insertFragment(fragment);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QMap<int, QVariant> properties = it.fragment().charFormat().properties();
            for (auto property = properties.cbegin(); property != properties.cend(); ++property)
                check(property.key() == QTextFormat::ForegroundBrush ||
                      property.key() == QTextFormat::BackgroundBrush ||
                      property.key() == QTextFormat::FontStrikeOut);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzSupport::startGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString html = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QTextDocumentFragment pasted = QTextDocumentFragment::fromHtml(html);
    const QTextDocumentFragment kept = PastedText::normalised(pasted);
    check(kept.toPlainText() == pasted.toPlainText());
    checkOnlyColoursAndStrikeOut(kept);
    return 0;
}
