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
    m_surface->forgetChanges();
    m_tracking = true;
    restart();
    emit stateChanged(); // the base step is reported, then the reset itself, as they always were
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
    m_surface->setRedraw(false);
    for (int i = 0; i < steps; ++i) {
        const UndoStep& step = m_undoList.back();
        m_surface->replaceParagraphs(step.first(), step.countAfter(), step.before());
        m_redoList.push_back(std::move(m_undoList.back()));
        m_undoList.pop_back();
    }
    // Selected before drawing resumes: the text is then laid out down to the new caret
    // only, not to where the caret was.
    select(m_redoList.back().selectionBefore());
    m_surface->setRedraw(true);
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
    // One step is one edit anyway; more are gathered into one and drawn once.
    const bool batch = steps > 1;
    if (batch)
        m_surface->setRedraw(false);
    for (int i = 0; i < steps; ++i) {
        const UndoStep& step = m_redoList.back();
        m_surface->replaceParagraphs(step.first(), step.countBefore(), step.after());
        m_undoList.push_back(std::move(m_redoList.back()));
        m_redoList.pop_back();
    }
    select(m_undoList.back().selectionAfter());
    if (batch)
        m_surface->setRedraw(true);
    m_tracking = true;
    emit stateChanged();
}

void UndoHistory::undoAll() {
    recordPendingChange();
    undo(undoCount());
}

void UndoHistory::setFontReset(std::function<void()> fontReset) {
    m_fontReset = std::move(fontReset);
}

void UndoHistory::takeSnapshot() {
    if (!m_surface)
        return;
    std::optional<ParagraphChange> change = m_surface->takeChange();
    if (!change)
        return; // nothing changed
    if (!change->followed) {
        restart(); // the steps before would no longer fit the text
        return;
    }
    const Selection selection = surfaceSelection();
    m_undoList.emplace_back(*change, m_previousSelection, selection);
    m_redoList.clear();
    m_previousSelection = selection;
    m_currentSelection = selection;
    emit stateChanged();
}

void UndoHistory::restart() {
    // The old lists' room goes back too, not only their steps.
    std::vector<UndoStep>(1).swap(m_undoList); // the base, never undone
    std::vector<UndoStep>().swap(m_redoList);
    m_previousSelection = m_currentSelection = surfaceSelection();
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

void UndoHistory::select(Selection selection) {
    m_surface->setSelStart(selection.start);
    m_surface->setSelLength(selection.length);
}
