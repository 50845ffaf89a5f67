#include "platform/forms/control.h"

#include "platform/forms/form.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace forms {

int keyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // the same codes as ASCII
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return vbKeyF1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vbKeyTab;
    case Qt::Key_Escape: return vbKeyEscape;
    case Qt::Key_Space: return vbKeySpace;
    case Qt::Key_PageUp: return vbKeyPageUp;
    case Qt::Key_PageDown: return vbKeyPageDown;
    case Qt::Key_End: return vbKeyEnd;
    case Qt::Key_Home: return vbKeyHome;
    case Qt::Key_Left: return vbKeyLeft;
    case Qt::Key_Up: return vbKeyUp;
    case Qt::Key_Right: return vbKeyRight;
    case Qt::Key_Down: return vbKeyDown;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return vbKeyDelete;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Slash: return 191;
    default: return 0;
    }
}

bool visibleFlag(const QWidget* w)
{
    return !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden));
}

void setFocus(QWidget* w)
{
    if (!w || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
        return;
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (!visibleFlag(p) && !p->isWindow())
            return;
        if (p->isWindow() || qobject_cast<const Form*>(p))
            break;
    }
    w->QWidget::setFocus(Qt::OtherFocusReason);
}

namespace {

QPalette::ColorRole backRole(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w))
        return QPalette::Base;
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QComboBox*>(w))
        return QPalette::Button;
    return QPalette::Window;
}

} // namespace

void setBackColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    const QPalette::ColorRole role = backRole(w);
    p.setColor(role, c);
    if (role == QPalette::Window)
        w->setAutoFillBackground(true);
    w->setPalette(p);
}

QColor backColor(const QWidget* w)
{
    return w->palette().color(backRole(w));
}

void setForeColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

namespace detail {

namespace {

// The form a control belongs to: focus is kept per form, so moving to another
// form, a message box or a popup does not count as leaving the control.
QWidget* formOf(QWidget* w)
{
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (qobject_cast<Form*>(p) || p->isWindow())
            return p;
    }
    return nullptr;
}

QHash<QWidget*, FocusEvents*>& holders()
{
    static QHash<QWidget*, FocusEvents*> h;
    return h;
}

} // namespace

FocusEvents::FocusEvents(QWidget* owner, std::function<void()> got, std::function<void()> lost)
    : mOwner(owner), mGot(std::move(got)), mLost(std::move(lost))
{
}

FocusEvents::~FocusEvents()
{
    for (auto it = holders().begin(); it != holders().end();) {
        if (it.value() == this)
            it = holders().erase(it);
        else
            ++it;
    }
}

void FocusEvents::focusIn(QFocusEvent*)
{
    if (mHas)
        return;
    QWidget* form = formOf(mOwner);
    FocusEvents* previous = holders().value(form);
    holders()[form] = this;
    // The focus was moved while the form's window was not active (behind a
    // message box): the control that had it learns it only now.
    if (previous && previous != this && previous->mHas)
        previous->lose();
    mHas = true;
    mGot();
}

void FocusEvents::focusOut(QFocusEvent*)
{
    if (!mHas)
        return;
    QWidget* now = QApplication::focusWidget();
    QWidget* form = formOf(mOwner);
    // Only a move to another widget of the same form is a real loss of focus.
    if (now && now != mOwner && !mOwner->isAncestorOf(now) && formOf(now) == form) {
        if (holders().value(form) == this)
            holders().remove(form);
        lose();
    }
}

void FocusEvents::lose()
{
    mHas = false;
    mLost();
}

int KeyTracker::pressed(QKeyEvent* e)
{
    if (!e->isAutoRepeat() && !mDown.contains(e->key()))
        mDown.append(e->key());
    return keyCode(e->key());
}

bool KeyTracker::released(QKeyEvent* e, int* code)
{
    if (e->isAutoRepeat())
        return false;
    const int i = mDown.indexOf(e->key());
    if (i < 0)
        return false;
    mDown.removeAt(i);
    *code = keyCode(e->key());
    return true;
}

} // namespace detail
} // namespace forms
