#include "platform/forms/basic_controls.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace forms {

// ---- Label

Label::Label(QWidget* parent) : Control(parent)
{
    setTextFormat(Qt::PlainText);
}

Label::Label(const QString& name, const QString& caption, QWidget* parent) : Label(parent)
{
    setObjectName(name);
    setText(caption);
}

void Label::mousePressEvent(QMouseEvent* e)
{
    mPressed = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void Label::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = mPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    mPressed = false;
    QLabel::mouseReleaseEvent(e);
    if (click)
        emit Click();
}

void Label::mouseDoubleClickEvent(QMouseEvent* e)
{
    QLabel::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        emit DblClick();
}

// ---- CommandButton

CommandButton::CommandButton(QWidget* parent) : FocusControl(parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

CommandButton::CommandButton(const QString& name, const QString& caption, QWidget* parent)
    : CommandButton(parent)
{
    setObjectName(name);
    setText(caption);
}

void CommandButton::keyPressEvent(QKeyEvent* e)
{
    pressKey(e);
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        if (!e->isAutoRepeat())
            click();
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

// ---- CheckBox

CheckBox::CheckBox(QWidget* parent) : FocusControl(parent)
{
    connect(this, &QCheckBox::clicked, this, &CheckBox::Click);
}

CheckBox::CheckBox(const QString& name, const QString& caption, QWidget* parent) : CheckBox(parent)
{
    setObjectName(name);
    setText(caption);
}

// ---- OptionButton

OptionButton::OptionButton(QWidget* parent) : FocusControl(parent)
{
    connect(this, &QRadioButton::clicked, this, [this] {
        if (isChecked())
            emit Click();
    });
}

OptionButton::OptionButton(const QString& name, const QString& caption, QWidget* parent)
    : OptionButton(parent)
{
    setObjectName(name);
    setText(caption);
}

void OptionButton::setValue(bool on)
{
    if (on || !isChecked()) {
        setChecked(on);
        return;
    }
    // The chosen button of an exclusive group refuses to be cleared, but a
    // form clears its group to show that nothing is chosen yet.
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

// ---- Frame

Frame::Frame(QWidget* parent) : Control(parent) {}

Frame::Frame(const QString& name, const QString& caption, QWidget* parent) : Control(caption, parent)
{
    setObjectName(name);
}

// ---- Timer

Timer::Timer(QObject* parent) : QObject(parent)
{
    connect(&mTimer, &QTimer::timeout, this, &Timer::Tick);
}

Timer::Timer(const QString& name, QObject* parent) : Timer(parent)
{
    setObjectName(name);
}

void Timer::setInterval(int ms)
{
    mInterval = qMax(0, ms);
    apply();
}

void Timer::setEnabled(bool on)
{
    mEnabled = on;
    apply();
}

void Timer::apply()
{
    if (mEnabled && mInterval > 0)
        mTimer.start(mInterval);
    else
        mTimer.stop();
}

} // namespace forms
