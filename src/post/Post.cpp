#include "post/Post.h"

#include "platform/RichTextBox.h"

Post::Post(RichTextBox& editor, QObject* parent) : QObject(parent), m_editor(editor) {
    connect(&editor.surface(), &EditingSurface::changed, this, [this] {
        m_saved = false;
        if (isEmpty())
            m_encoding = TextDecoding::SourceEncoding::Utf8;
        emit changed();
    });
}

EditingSurface& Post::surface() const {
    return m_editor.surface();
}

bool Post::isEmpty() const {
    return m_editor.characterCount() == 0;
}

bool Post::isBlank() const {
    return m_editor.isBlank();
}

void Post::markMatchesFile() {
    emit matchesFile();
}

void Post::setFileName(const QString& fileName) {
    m_fileName = fileName;
    emit fileNameChanged(fileName);
}

QPoint Post::caretPosition() const {
    return m_editor.cursorRect().topLeft() + m_editor.viewport()->pos();
}
