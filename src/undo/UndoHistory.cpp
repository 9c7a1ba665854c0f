#include "undo/UndoHistory.h"

#include "platform/EditingSurface.h"
#include "platform/VirtualKeys.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

// Keys that end a pending step before they act: Enter, F1 to F12, and Space through
// Print Screen (the navigation keys lie between them).
bool endsStep(int keyCode) {
    using namespace VirtualKeys;
    return keyCode == Return || (keyCode >= F1 && keyCode <= F12) ||
           (keyCode >= Space && keyCode <= PrintScreen);
}

} // namespace

UndoHistory::UndoHistory(QObject* parent) : QObject(parent) {}

UndoHistory::~UndoHistory() = default;

bool UndoHistory::canUndo() const {
    return m_undoList.size() > 1 && m_tracking;
}

bool UndoHistory::canRedo() const {
    return !m_redoList.empty() && m_tracking;
}

int UndoHistory::undoCount() const {
    return std::max(int(m_undoList.size()) - 1, 0);
}

int UndoHistory::redoCount() const {
    return int(m_redoList.size());
}

void UndoHistory::attach(QWidget* host, EditingSurface* surface, int delay) {
    if (m_surface)
        m_surface->disconnect(this);
    delete m_timer;

    m_surface = surface;
    connect(surface, &EditingSurface::changed, this, &UndoHistory::onChange);
    connect(surface, &EditingSurface::keyDown, this, &UndoHistory::onKeyDown);
    connect(surface, &EditingSurface::mousePressed, this, &UndoHistory::recordPendingChange);
    connect(surface, &EditingSurface::selectionChanged, this, &UndoHistory::onSelectionChange);

    m_timer = new QTimer(host);
    m_timer->setObjectName(QStringLiteral("UndoTimer_") + surface->name());
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &UndoHistory::onTimeout);
    m_timer->stop();
    m_timer->setInterval(delay);
    reset();
}

void UndoHistory::reset() {
    if (!m_surface)
        return;
    if (m_timer)
        m_timer->stop();
    m_undoList.clear();
    m_redoList.clear();
    m_lastContent = m_surface->rtf();
    onSelectionChange();
    m_tracking = true;
    takeSnapshot();
    emit stateChanged();
}

void UndoHistory::undo(int steps) {
    if (!m_surface || steps < 1)
        return;
    // What was typed just before belongs to the history that Undo walks back.
    recordPendingChange();
    if (m_undoList.size() < 2)
        return;
    m_tracking = false;
    steps = std::min(steps, undoCount());
    for (int i = 0; i < steps; ++i) {
        UndoStep step = std::move(m_undoList.back());
        m_undoList.pop_back();
        m_surface->setRedraw(false);
        splice(step.commonHead, step.blockBefore, step.commonTail);
        select(step.selStartBefore, step.selLengthBefore);
        m_surface->setRedraw(true);
        m_lastContent = m_surface->rtf();
        m_redoList.push_back(std::move(step));
    }
    m_tracking = true;
    emit stateChanged();
}

void UndoHistory::redo(int steps) {
    if (!m_surface || steps < 1)
        return;
    // A pending change is a new step, which leaves nothing to redo.
    recordPendingChange();
    if (m_redoList.empty())
        return;
    m_tracking = false;
    steps = std::min(steps, redoCount());
    for (int i = 0; i < steps; ++i) {
        UndoStep step = std::move(m_redoList.back());
        m_redoList.pop_back();
        splice(step.commonHead, step.blockAfter, step.commonTail);
        m_lastContent = m_surface->rtf();
        select(step.selStartAfter, step.selLengthAfter);
        m_undoList.push_back(std::move(step));
    }
    m_tracking = true;
    emit stateChanged();
}

void UndoHistory::setFontReset(std::function<void()> fontReset) {
    m_fontReset = std::move(fontReset);
}

void UndoHistory::takeSnapshot() {
    if (!m_surface)
        return;
    const QString now = m_surface->rtf();
    const QStringView before(m_lastContent);
    const QStringView after(now);
    const int head = commonRunLength(before, after, false);
    const int tail = commonRunLength(before.mid(head), after.mid(head), true);
    if (!m_undoList.empty() && head == before.size() && head == after.size())
        return; // nothing changed

    const Selection selection = surfaceSelection();
    UndoStep step;
    step.commonHead = head;
    step.commonTail = tail;
    step.blockBefore = before.mid(head, before.size() - head - tail).toString();
    step.blockAfter = after.mid(head, after.size() - head - tail).toString();
    step.selStartBefore = m_previousSelection.start;
    step.selLengthBefore = m_previousSelection.length;
    step.selStartAfter = selection.start;
    step.selLengthAfter = selection.length;
    m_undoList.push_back(std::move(step));
    m_redoList.clear();
    m_lastContent = now;
    m_previousSelection = selection;
    m_currentSelection = selection;
    emit stateChanged();
}

void UndoHistory::onChange() {
    if (!m_timer)
        return;
    if (m_tracking)
        m_timer->start(); // restarts a running timer
    else
        m_timer->stop();
    // Putting the font back may itself raise a change; that one must not recurse.
    if (m_fontReset && !m_resettingFont) {
        m_resettingFont = true;
        m_fontReset();
        m_resettingFont = false;
    }
}

void UndoHistory::onKeyDown(KeyDownArgs& args) {
    const bool ctrlAlone = VirtualKeys::isCtrlAlone(args.shift);
    if (ctrlAlone && args.keyCode == VirtualKeys::KeyZ) {
        undo(1);
        args.keyCode = 0;
    } else if (ctrlAlone && args.keyCode == VirtualKeys::KeyY) {
        redo(1);
        args.keyCode = 0;
    } else if (endsStep(args.keyCode)) {
        recordPendingChange();
    }
}

void UndoHistory::onSelectionChange() {
    if (m_timer && m_timer->isActive())
        return; // a change is pending: keep the selection from before it
    m_previousSelection = m_currentSelection;
    m_currentSelection = surfaceSelection();
}

void UndoHistory::onTimeout() {
    m_timer->stop();
    if (m_tracking)
        takeSnapshot();
}

void UndoHistory::recordPendingChange() {
    if (m_timer && m_timer->isActive())
        onTimeout();
}

UndoHistory::Selection UndoHistory::surfaceSelection() const {
    return {m_surface->selStart(), m_surface->selLength()};
}

void UndoHistory::select(int32_t start, int32_t length) {
    m_surface->setSelStart(start);
    m_surface->setSelLength(length);
}

void UndoHistory::splice(int32_t head, const QString& block, int32_t tail) {
    m_surface->spliceRtf(m_surface->rtf(), head, block, tail);
}

int UndoHistory::commonRunLength(QStringView first, QStringView second, bool fromRight) {
    int high = int(std::min(first.size(), second.size()));
    if (high == 0)
        return 0;
    int low = 1;
    int matched = 0;
    for (;;) {
        const int mid = low + (high - low) / 2;
        const int count = mid - matched;
        const bool equal = fromRight ? first.mid(first.size() - mid, count) ==
                                           second.mid(second.size() - mid, count)
                                     : first.mid(matched, count) == second.mid(matched, count);
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
