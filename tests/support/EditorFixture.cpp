#include "EditorFixture.h"

#include "platform/ProgramEnd.h"
#include "settings/CustomTextFile.h"
#include "settings/SettingsPaths.h"

#include <QKeyEvent>

EditorFixture::EditorFixture(ClipboardKind kind, const QStringList& customText) {
    if (kind == UseSystemClipboard)
        Clipboard::install(nullptr);
    ProgramEnd::setHandler([this] { ended = true; });
    if (!customText.isEmpty())
        CustomTextFile::write(customText, paths().customTextFile);
    workArea = std::make_unique<PostEditor>(nullptr, paths());
    workArea->resize(1000, 700);
    workArea->show();
    workArea->activateWindow();
    (void)QTest::qWaitForWindowActive(workArea.get());
    box()->setFocus();
}

EditorFixture::~EditorFixture() {
    ProgramEnd::setHandler({});
}

SettingsPaths EditorFixture::paths() const {
    return {folder.filePath("Settings.ini"), folder.filePath("CustomList.ini"),
            folder.filePath("recovery")};
}

RichTextBox* EditorFixture::box() const {
    return &workArea->post().editor();
}

EditingSurface& EditorFixture::surface() const {
    return box()->surface();
}

QString EditorFixture::text() const {
    return surface().text();
}

void EditorFixture::select(int start, int length) const {
    surface().setSelStart(start);
    surface().setSelLength(length);
}

QAction* EditorFixture::action(const char* name) const {
    return workArea->findChild<QAction*>(name);
}

QAction* EditorFixture::fileItem(int index) const {
    for (QAction* item : workArea->findChildren<QAction*>("mnuFile")) {
        if (!item->isSeparator() && item->property("index") == index)
            return item;
    }
    return nullptr;
}

QAbstractButton* EditorFixture::button(const char* name) const {
    return workArea->findChild<QAbstractButton*>(name);
}

void EditorFixture::click(const char* buttonName) const {
    button(buttonName)->click();
}

void EditorFixture::clickAll(const QString& buttonNames) const {
    for (const QString& name : buttonNames.split(' ', Qt::SkipEmptyParts))
        click(name.toLatin1());
}

QString EditorFixture::shownTags() const {
    return workArea->findChild<QLabel*>("lblShow")->text();
}

void EditorFixture::type(const QString& text) const {
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(box(), Qt::Key_Return);
        } else if (c.unicode() >= 0x80) { // QTest types ASCII only
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(box(), &press);
        } else
            QTest::keyClicks(box(), QString(c));
    }
}

FrameFixture::FrameFixture() : workArea(new PostEditor), subWindow(frame.addWorkArea(workArea)) {
    ProgramEnd::setHandler([this] { ended = true; });
    frame.show();
    (void)QTest::qWaitForWindowActive(&frame);
}

FrameFixture::~FrameFixture() {
    ProgramEnd::setHandler({});
}
