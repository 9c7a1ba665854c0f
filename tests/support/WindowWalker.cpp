#include "WindowWalker.h"

#include "EditorFixture.h"
#include "ModalScript.h"
#include "info/IntroductionWindow.h"
#include "info/SplashWindow.h"
#include "info/TipsWindow.h"
#include "markup/ColourOptions.h"
#include "markup/PreviewWindow.h"
#include "platform/Contrast.h"
#include "platform/SystemColours.h"
#include "shell/PostEditorInfo.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace {

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QString shownText(const QWidget* widget) {
    if (auto* groupBox = qobject_cast<const QGroupBox*>(widget))
        return groupBox->title();
    return widget->property("text").toString();
}

QString describe(const QWidget* widget) {
    return widget->window()->objectName() + "/" + widget->objectName() + " \"" + shownText(widget) +
           "\"";
}

bool isControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QGroupBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget);
}

// The room a text has inside its control, and the room it needs.
QSize roomFor(const QWidget* widget) {
    if (auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .size();
    }
    if (auto* box = qobject_cast<const QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const auto element = qobject_cast<const QRadioButton*>(box) ? QStyle::SE_RadioButtonContents
                                                                    : QStyle::SE_CheckBoxContents;
        return box->style()->subElementRect(element, &option, box).size();
    }
    auto* label = static_cast<const QLabel*>(widget);
    return label->contentsRect().size() - QSize(2 * label->margin(), 2 * label->margin());
}

void checkText(const QWidget* widget, QStringList& found) {
    QString text = shownText(widget);
    auto* label = qobject_cast<const QLabel*>(widget);
    if (text.isEmpty() || (label && (label->wordWrap() || Qt::mightBeRichText(text))))
        return;
    if (text.contains(QChar(0x2026)))
        found << describe(widget) + " is elided";
    if (!label || label->buddy())
        text.remove(QRegularExpression("&(?!&)"));
    const QFontMetrics metrics(widget->font());
    const QSize needed(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    const QSize room = roomFor(widget);
    if (needed.width() > room.width() || needed.height() > room.height())
        found << QString("%1 needs %2x%3, has %4x%5")
                     .arg(describe(widget))
                     .arg(needed.width())
                     .arg(needed.height())
                     .arg(room.width())
                     .arg(room.height());
}

QList<QWidget*> visibleControls(const QWidget& parent) {
    QList<QWidget*> controls;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow() && isControl(child))
            controls << child;
    }
    return controls;
}

// The colour behind a widget: its own painted or filled background, else its parent's.
QColor backgroundBehind(const QWidget* widget, QPalette::ColorRole fallbackRole) {
    if (qobject_cast<const QPushButton*>(widget))
        return SystemColours::backgroundOf(widget);
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (at->property("paintedBackground").isValid())
            return SystemColours::backgroundOf(at);
        if (at->autoFillBackground() || at->isWindow())
            return at->palette().color(at->backgroundRole());
    }
    return widget->palette().color(fallbackRole);
}

bool isColourSample(const QWidget* widget) {
    return findColourOption(widget->objectName()) || widget->objectName() == "LblSample";
}

} // namespace

QStringList walkWindows(const WindowVisit& visit) {
    QStringList visited;
    auto visitNamed = [&](const QString& name, QWidget& window) {
        settle();
        visited << name;
        visit(name, window);
    };
    FrameFixture f;
    for (const char* page : {"cmdStyle", "cmdSmiley", "cmdList"}) {
        f.child<QPushButton>(page)->click();
        visitNamed(QString("FrmWorkArea ") + page, f.frame);
    }

    ModalScript modal;
    const ModalScript::Step visitModal = [&](QDialog& window) {
        window.show();
        visitNamed(window.objectName(), window);
        QTest::keyClick(&window, Qt::Key_Escape);
    };
    f.child<QCheckBox>("chkBold")->setChecked(true); // a style to name
    modal.steps = QList<ModalScript::Step>(8, visitModal);
    for (const char* item :
         {"mnuOptions", "mnuImage", "mnuLink", "mnuIrregualr", "mnuPreSet", "mnuHelpAbout"})
        f.workArea->findChild<QAction*>(item)->trigger();
    f.child<QPushButton>("cmdCtext")->click();
    f.child<QPushButton>("cmdPreset")->click();

    PostEditorInfo& info = f.workArea->info();
    f.workArea->findChild<QAction*>("mnuPreview")->trigger();
    for (QWidget* window :
         {static_cast<QWidget*>(f.workArea->findChild<PreviewWindow*>()),
          static_cast<QWidget*>(&info.introduction()), static_cast<QWidget*>(&info.tips())}) {
        window->show();
        visitNamed(window->objectName(), *window);
        window->hide();
    }
    SplashWindow splash(60000);
    splash.show();
    visitNamed(splash.objectName(), splash);
    return visited;
}

QStringList crampedControls(QWidget& window) {
    QStringList found;
    QList<QWidget*> parents{&window};
    parents += window.findChildren<QWidget*>();
    for (QWidget* parent : parents) {
        if (!parent->isVisible())
            continue;
        const QList<QWidget*> controls = visibleControls(*parent);
        for (int i = 0; i < controls.size(); ++i) {
            QWidget* control = controls[i];
            if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control))
                checkText(control, found);
            if (!parent->rect().contains(control->geometry()))
                found << describe(control) + " reaches outside " + parent->objectName();
            for (int j = i + 1; j < controls.size(); ++j) {
                if (control->geometry().intersects(controls[j]->geometry()))
                    found << describe(control) + " overlaps " + describe(controls[j]);
            }
        }
    }
    return found;
}

QStringList faintTexts(QWidget& window) {
    QStringList found;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString text = shownText(widget);
        if (!widget->isVisible() || !widget->isEnabled() || isColourSample(widget) ||
            text.isEmpty() ||
            !(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
              qobject_cast<QGroupBox*>(widget)))
            continue;
        const QColor background = backgroundBehind(widget, widget->backgroundRole());
        QList<QColor> inks{SystemColours::textOf(widget)};
        if (Qt::mightBeRichText(text) && text.contains("<a "))
            inks << widget->palette().color(QPalette::Link);
        for (const QColor& ink : inks) {
            const double ratio = contrastRatio(ink, background);
            if (ratio < 4.5)
                found << QString("%1 %2 on %3 reads at %4:1")
                             .arg(describe(widget), ink.name(), background.name())
                             .arg(ratio, 0, 'f', 1);
        }
    }
    return found;
}
