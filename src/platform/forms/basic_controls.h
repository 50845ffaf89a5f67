// Labels, command buttons, check and option buttons, frames and timers.
#pragma once

#include "platform/forms/control.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace forms {

// A label shows its caption as plain text (never as markup).
class Label : public Control<QLabel> {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    Label(const QString& name, const QString& caption, QWidget* parent);

    QColor backColor() const { return forms::backColor(this); }
    void setBackColor(const QColor& c) { forms::setBackColor(this, c); }
    void setForeColor(const QColor& c) { forms::setForeColor(this, c); }

signals:
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    bool mPressed = false;
};

// A command button: Click on a mouse click, on Space, and on Enter while it
// has the focus.
class CommandButton : public FocusControl<CommandButton, QPushButton> {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
    CommandButton(const QString& name, const QString& caption, QWidget* parent);

signals:
    void Click();
    void GotFocus();
    void LostFocus();
    void KeyUp(int keyCode);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// vbUnchecked / vbChecked
enum CheckValue { vbUnchecked = 0, vbChecked = 1 };

// A check box: value() 0 or 1. Click on the user's click only; setValue from
// code raises nothing (call the handler yourself where a form relied on it).
class CheckBox : public FocusControl<CheckBox, QCheckBox> {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);
    CheckBox(const QString& name, const QString& caption, QWidget* parent);

    int value() const { return isChecked() ? vbChecked : vbUnchecked; }
    void setValue(int v) { setChecked(v != vbUnchecked); }

signals:
    void Click();
    void GotFocus();
    void LostFocus();
};

// An option button. The buttons of one container form a group in which at most
// one is chosen, and none may be (setValue(false) clears the chosen one).
// Click on the user's choice only; setValue from code raises nothing.
class OptionButton : public FocusControl<OptionButton, QRadioButton> {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    OptionButton(const QString& name, const QString& caption, QWidget* parent);

    bool value() const { return isChecked(); }
    void setValue(bool on);

signals:
    void Click();
    void GotFocus();
    void LostFocus();
};

// A frame: a captioned container; its option buttons form one group.
class Frame : public Control<QGroupBox> {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);
    Frame(const QString& name, const QString& caption, QWidget* parent);

    QString caption() const { return title(); }
    void setCaption(const QString& c) { setTitle(c); }
};

// A timer: interval in milliseconds; while enabled with an interval above 0 it
// raises Tick (the handler `Timer1_Timer`) every interval. Not a widget.
// Tests call tick() instead of waiting.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);
    Timer(const QString& name, QObject* parent);

    int interval() const { return mInterval; }
    void setInterval(int ms);
    bool enabled() const { return mEnabled; }
    void setEnabled(bool on);
    bool isRunning() const { return mTimer.isActive(); }
    // Raises Tick now, as the interval's end would.
    void tick() { emit Tick(); }

signals:
    void Tick();

private:
    void apply();
    QTimer mTimer;
    int mInterval = 0;
    bool mEnabled = true;
};

} // namespace forms
