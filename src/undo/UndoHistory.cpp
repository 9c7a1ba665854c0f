#include "undo/UndoHistory.h"

#include "platform/EditingSurface.h"
#include "platform/Prompter.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

// Windows virtual-key codes, as the surface reports them.
constexpr int kKeyEnter = 13;
constexpr int kKeySpace = 32;
constexpr int kKeyExecuteLast = 44; // Space through Print Screen: navigation and the like
constexpr int kKeyF1 = 112;
constexpr int kKeyF12 = 123;
constexpr int kKeyY = 89;
constexpr int kKeyZ = 90;
constexpr int kCtrlOnly = 2;

// Keys that end a pending step before they act.
bool endsStep(int keyCode) {
    return keyCode == kKeyEnter || (keyCode >= kKeyF1 && keyCode <= kKeyF12) ||
           (keyCode >= kKeySpace && keyCode <= kKeyExecuteLast);
}

// A missing object, reported like the classic "object variable not set" failure.
void reportMissingObject() {
    Prompter::Message message;
    message.title = QStringLiteral("Quillet.clsUndo - Unexpected Error No. 91");
    message.text = QStringLiteral("Object variable or With block variable not set");
    message.icon = Prompter::Icon::Warning;
    Prompter::instance().ask(nullptr, message);
}

} // namespace

UndoHistory::UndoHistory(QObject* parent) : QObject(parent) {}

UndoHistory::~UndoHistory() = default;

bool UndoHistory::canUndo() const {
    return undoList_.size() > 1 && tracking_;
}

bool UndoHistory::canRedo() const {
    return !redoList_.empty() && tracking_;
}

void UndoHistory::IgnoreChange(bool IIgnoreChange) {
    if (!IIgnoreChange && !tracking_)
        TakeUndoSnapShot();
    tracking_ = !IIgnoreChange;
    emit StateChanged();
}

bool UndoHistory::IgnoreChange() const {
    return !tracking_;
}

int UndoHistory::getUndoCount() const {
    return std::max(int(undoList_.size()) - 1, 0);
}

int UndoHistory::getRedoCount() const {
    return int(redoList_.size());
}

bool UndoHistory::Create(QWidget* host, EditingSurface* richTextBox, int delay) {
    if (!richTextBox || !host) {
        reportMissingObject();
        return false;
    }
    if (MyRichTextBox)
        MyRichTextBox->disconnect(this);
    delete MyTimer;

    MyRichTextBox = richTextBox;
    connect(richTextBox, &EditingSurface::changed, this, &UndoHistory::MyRichTextBox_Change);
    connect(richTextBox, &EditingSurface::keyDown, this, &UndoHistory::MyRichTextBox_KeyDown);
    connect(richTextBox, &EditingSurface::mousePressed, this,
            &UndoHistory::MyRichTextBox_MouseDown);
    connect(richTextBox, &EditingSurface::selectionChanged, this,
            &UndoHistory::MyRichTextBox_SelChange);

    MyTimer = new QTimer(host);
    MyTimer->setObjectName(QStringLiteral("UndoTimer_") + richTextBox->name());
    MyTimer->setSingleShot(true);
    connect(MyTimer, &QTimer::timeout, this, &UndoHistory::MyTimer_Timer);
    MyTimer->stop();
    MyTimer->setInterval(delay);
    Reset();
    return true;
}

void UndoHistory::Reset() {
    if (!MyRichTextBox)
        return;
    if (MyTimer)
        MyTimer->stop();
    undoList_.clear();
    redoList_.clear();
    lastContent_ = MyRichTextBox->textRTF();
    MyRichTextBox_SelChange();
    tracking_ = true;
    TakeUndoSnapShot();
    emit StateChanged();
}

void UndoHistory::Undo(int UndoSteps) {
    if (!MyRichTextBox || UndoSteps < 1)
        return;
    // What was typed just before belongs to the history that Undo walks back.
    recordPendingChange();
    if (undoList_.size() < 2)
        return;
    tracking_ = false;
    const int steps = std::min(UndoSteps, getUndoCount());
    for (int i = 0; i < steps; ++i) {
        UndoStep element = std::move(undoList_.back());
        undoList_.pop_back();
        SetRedraw(false);
        splice(element.MatchingCharsFromLeft, element.TextBlock_BeforeChange,
               element.MatchingCharsFromRight);
        select(element.SelStart_BeforeChange, element.SelLength_BeforeChange);
        SetRedraw(true);
        lastContent_ = MyRichTextBox->textRTF();
        redoList_.push_back(std::move(element));
    }
    tracking_ = true;
    emit StateChanged();
}

void UndoHistory::Redo(int RedoSteps) {
    if (!MyRichTextBox || RedoSteps < 1)
        return;
    // A pending change is a new step, which leaves nothing to redo.
    recordPendingChange();
    if (redoList_.empty())
        return;
    tracking_ = false;
    const int steps = std::min(RedoSteps, getRedoCount());
    for (int i = 0; i < steps; ++i) {
        UndoStep element = std::move(redoList_.back());
        redoList_.pop_back();
        splice(element.MatchingCharsFromLeft, element.TextBlock_AfterChange,
               element.MatchingCharsFromRight);
        lastContent_ = MyRichTextBox->textRTF();
        select(element.SelStart_AfterChange, element.SelLength_AfterChange);
        undoList_.push_back(std::move(element));
    }
    tracking_ = true;
    emit StateChanged();
}

void UndoHistory::TakeUndoSnapShot() {
    if (!MyRichTextBox)
        return;
    const QString now = MyRichTextBox->textRTF();
    const QStringView before(lastContent_);
    const QStringView after(now);
    const int left = MatchingChars(before, after, false);
    const int right = MatchingChars(before.mid(left), after.mid(left), true);
    if (!undoList_.empty() && left == before.size() && left == after.size())
        return; // nothing changed

    const Selection selection = surfaceSelection();
    UndoStep element;
    element.MatchingCharsFromLeft = left;
    element.MatchingCharsFromRight = right;
    element.TextBlock_BeforeChange = before.mid(left, before.size() - left - right).toString();
    element.TextBlock_AfterChange = after.mid(left, after.size() - left - right).toString();
    element.SelStart_BeforeChange = previousSelection_.start;
    element.SelLength_BeforeChange = previousSelection_.length;
    element.SelStart_AfterChange = selection.start;
    element.SelLength_AfterChange = selection.length;
    undoList_.push_back(std::move(element));
    redoList_.clear();
    lastContent_ = now;
    previousSelection_ = selection;
    currentSelection_ = selection;
    emit StateChanged();
}

void UndoHistory::setFontReset(std::function<void()> fontReset) {
    fontReset_ = std::move(fontReset);
}

void UndoHistory::MyRichTextBox_Change() {
    if (!MyTimer)
        return;
    if (tracking_)
        MyTimer->start(); // restarts a running timer
    else
        MyTimer->stop();
    // Putting the font back may itself raise a change; that one must not recurse.
    if (fontReset_ && !resettingFont_) {
        resettingFont_ = true;
        fontReset_();
        resettingFont_ = false;
    }
}

void UndoHistory::MyRichTextBox_KeyDown(KeyDownArgs& args) {
    const bool ctrlOnly = args.shift == kCtrlOnly;
    if (ctrlOnly && args.keyCode == kKeyZ) {
        Undo(1);
        args.keyCode = 0;
    } else if (ctrlOnly && args.keyCode == kKeyY) {
        Redo(1);
        args.keyCode = 0;
    } else if (endsStep(args.keyCode)) {
        recordPendingChange();
    }
}

void UndoHistory::MyRichTextBox_MouseDown(const MouseArgs&) {
    recordPendingChange();
}

void UndoHistory::MyRichTextBox_SelChange() {
    if (MyTimer && MyTimer->isActive())
        return; // a change is pending: keep the selection from before it
    previousSelection_ = currentSelection_;
    currentSelection_ = surfaceSelection();
}

void UndoHistory::MyTimer_Timer() {
    MyTimer->stop();
    if (tracking_)
        TakeUndoSnapShot();
}

void UndoHistory::recordPendingChange() {
    if (MyTimer && MyTimer->isActive())
        MyTimer_Timer();
}

UndoHistory::Selection UndoHistory::surfaceSelection() const {
    Selection selection;
    selection.start = MyRichTextBox->selStart();
    selection.length = MyRichTextBox->selLength();
    return selection;
}

void UndoHistory::select(int32_t start, int32_t length) {
    MyRichTextBox->setSelStart(start);
    MyRichTextBox->setSelLength(length);
}

void UndoHistory::splice(int32_t left, const QString& block, int32_t right) {
    MyRichTextBox->spliceTextRTF(MyRichTextBox->textRTF(), left, block, right);
}

void UndoHistory::SetRedraw(bool redraw) {
    MyRichTextBox->setRedraw(redraw);
}

int UndoHistory::MatchingChars(QStringView First, QStringView Second, bool FromRight) {
    int high = int(std::min(First.size(), Second.size()));
    if (high == 0)
        return 0;
    int low = 1;
    int matched = 0;
    for (;;) {
        const int mid = low + (high - low) / 2;
        const int count = mid - matched;
        const bool equal = FromRight ? First.mid(First.size() - mid, count) ==
                                           Second.mid(Second.size() - mid, count)
                                     : First.mid(matched, count) == Second.mid(matched, count);
        if (equal) {
            matched = mid;
            low = mid + 1;
            if (low > high)
                break;
        } else {
            high = mid - 1;
            if (high == 0 || low > high)
                break;
        }
    }
    return high;
}
