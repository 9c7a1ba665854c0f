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
    changed();
}

int FakeSurface::selStart() const {
    return cursor_.selectionStart();
}

void FakeSurface::setSelStart(int start) {
    cursor_.setPosition(std::clamp(start, 0, document.characterCount() - 1));
    emit SelChange();
}

int FakeSurface::selLength() const {
    return cursor_.selectionEnd() - cursor_.selectionStart();
}

void FakeSurface::setSelLength(int length) {
    const int start = cursor_.selectionStart();
    cursor_.setPosition(start);
    cursor_.setPosition(std::clamp(start + length, 0, document.characterCount() - 1),
                        QTextCursor::KeepAnchor);
    emit SelChange();
}

QString FakeSurface::selText() const {
    return cursor_.selectedText();
}

void FakeSurface::setSelText(const QString& text) {
    cursor_.insertText(text);
    changed();
}

QString FakeSurface::textRTF() const {
    return RtfWriter::write(document);
}

void FakeSurface::setTextRTF(const QString& rtf) {
    RtfReader::read(rtf, document);
    cursor_ = QTextCursor(&document);
    changed();
}

void FakeSurface::spliceTextRTF(const QString& current, int head, const QString& block, int tail) {
    RtfSplice::apply(document, current, head, block, tail);
    cursor_ = QTextCursor(&document);
    changed();
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
        changed();
    }
}

void FakeSurface::backspace() {
    cursor_.deletePreviousChar();
    changed();
}

void FakeSurface::mergeFormatOnSelection(const QTextCharFormat& format) {
    cursor_.mergeCharFormat(format);
    changed();
}

int FakeSurface::pressKey(int keyCode, int shift) {
    KeyDownArgs args{keyCode, shift};
    emit KeyDown(args);
    return args.keyCode;
}

void FakeSurface::pressMouse(int button) {
    MouseArgs args;
    args.button = button;
    emit MouseDown(args);
}

void FakeSurface::changed() {
    if (caretMoveFirst)
        emit SelChange();
    emit Change();
    if (!caretMoveFirst)
        emit SelChange();
}
