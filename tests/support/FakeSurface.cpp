#include "FakeSurface.h"

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSplice.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextCharFormat>
#include <algorithm>

FakeSurface::FakeSurface(const QString& name, QObject* parent)
    : EditingSurface(parent), name_(name), cursor_(&document) {}

QString FakeSurface::text() const {
    return document.toPlainText().replace(u'\n', QLatin1String("\r\n"));
}

void FakeSurface::setText(const QString& text) {
    document.setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    cursor_ = QTextCursor(&document);
    notifyChange();
}

int FakeSurface::selStart() const {
    return cursor_.selectionStart();
}

void FakeSurface::setSelStart(int start) {
    cursor_.setPosition(std::clamp(start, 0, document.characterCount() - 1));
    emit selectionChanged();
}

int FakeSurface::selLength() const {
    return cursor_.selectionEnd() - cursor_.selectionStart();
}

void FakeSurface::setSelLength(int length) {
    const int start = cursor_.selectionStart();
    cursor_.setPosition(start);
    cursor_.setPosition(std::clamp(start + length, 0, document.characterCount() - 1),
                        QTextCursor::KeepAnchor);
    emit selectionChanged();
}

QString FakeSurface::selText() const {
    return cursor_.selectedText();
}

void FakeSurface::setSelText(const QString& text) {
    cursor_.insertText(text);
    notifyChange();
}

QString FakeSurface::textRTF() const {
    return RtfWriter::write(document);
}

void FakeSurface::setTextRTF(const QString& rtf) {
    RtfReader::read(rtf, document);
    cursor_ = QTextCursor(&document);
    notifyChange();
}

void FakeSurface::spliceTextRTF(const QString& current, int head, const QString& block, int tail) {
    RtfSplice::apply(document, current, head, block, tail);
    cursor_ = QTextCursor(&document);
    notifyChange();
}

void FakeSurface::setRedraw(bool redraw) {
    ++(redraw ? redrawResumptions : redrawSuspensions);
    redrawing = redraw;
}

void FakeSurface::setFontNameAndSize(const QString& family, double pointSize) {
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(pointSize);
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    all.mergeCharFormat(format);
}

void FakeSurface::type(const QString& text) {
    for (QChar c : text) {
        cursor_.insertText(QString(c));
        notifyChange();
    }
}

void FakeSurface::backspace() {
    cursor_.deletePreviousChar();
    notifyChange();
}

void FakeSurface::mergeFormatOnSelection(const QTextCharFormat& format) {
    cursor_.mergeCharFormat(format);
    notifyChange();
}

int FakeSurface::pressKey(int keyCode, int shift) {
    KeyDownArgs args{keyCode, shift};
    emit keyDown(args);
    return args.keyCode;
}

void FakeSurface::pressMouse(int button) {
    MouseArgs args;
    args.button = button;
    emit mousePressed(args);
}

void FakeSurface::notifyChange() {
    if (caretMoveFirst)
        emit selectionChanged();
    emit changed();
    if (!caretMoveFirst)
        emit selectionChanged();
}
