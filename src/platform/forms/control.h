// What every control shares: key codes, focus rules, colours and the focus events.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace forms {

// Key codes as the handlers test them (KeyUp/KeyDown carry these, not Qt keys).
enum KeyCode {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyEscape = 27,
    vbKeySpace = 32,
    vbKeyPageUp = 33,
    vbKeyPageDown = 34,
    vbKeyEnd = 35,
    vbKeyHome = 36,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40,
    vbKeyDelete = 46,
    vbKeyF1 = 112,
};

// The key code of a Qt key: Return and Enter are 13, letters 65-90, digits 48-57,
// F1-F12 112-123; 0 for the keys no handler tests for.
int keyCode(int qtKey);

// The colours of an entry box.
inline const QColor entryFocusColour{0x00, 0xFF, 0x00}; // &H00FF00
inline const QColor entryIdleColour{0xFF, 0xFF, 0xFF};  // &H00FFFFFF

// The control's own Visible property: false only when it was hidden itself,
// whether or not its form is on the screen.
bool visibleFlag(const QWidget* w);

// SetFocus as the forms use it: does nothing on a disabled control or one whose
// own Visible (or a container's) is off. On a form not yet shown the control
// becomes the one that has the focus when the form appears.
void setFocus(QWidget* w);

// The back colour of a control (the base of a box, the window of a label).
void setBackColor(QWidget* w, const QColor& c);
QColor backColor(const QWidget* w);
void setForeColor(QWidget* w, const QColor& c);

namespace detail {

// GotFocus/LostFocus only when the focus moves between controls inside the
// program: window activation, a message box or a popup taking the keyboard
// away and giving it back raise nothing, so a handler's own message box never
// re-runs the checks that raised it. One per control; the control forwards
// its focus events here.
class FocusEvents {
public:
    FocusEvents(QWidget* owner, std::function<void()> got, std::function<void()> lost);
    ~FocusEvents();
    void focusIn(QFocusEvent* e);
    void focusOut(QFocusEvent* e);
    bool hasFocus() const { return mHas; }

private:
    void lose();
    QWidget* mOwner;
    std::function<void()> mGot;
    std::function<void()> mLost;
    bool mHas = false;
};

// KeyUp only for a key whose press this same control received, so the release
// of the Enter that closed a message box, or that was pressed in another box,
// is not taken for a key typed here.
class KeyTracker {
public:
    // Returns the key code to report for a press (KeyDown), remembering it.
    int pressed(QKeyEvent* e);
    // True (with the code) when this release ends a press seen here.
    bool released(QKeyEvent* e, int* code);
    void forget() { mDown.clear(); }

private:
    QList<int> mDown;
};

} // namespace detail

// The Enabled and Visible properties as the forms read them, over the Qt widget
// W; a label's or a button's Caption is its text.
template <class W>
class Control : public W {
    static constexpr bool kHasCaption = std::is_base_of_v<QLabel, W> || std::is_base_of_v<QAbstractButton, W>;

public:
    using W::W;
    bool enabled() const { return this->isEnabled(); }
    bool visible() const { return visibleFlag(this); }

    QString caption() const
        requires kHasCaption
    {
        return this->text();
    }
    void setCaption(const QString& c)
        requires kHasCaption
    {
        this->setText(c);
    }
};

// A control the user moves into, over the Qt widget W. Self is the control's
// own class, which declares the events it raises as signals: GotFocus and
// LostFocus always, KeyDown and KeyUp where it has them. Here they follow the
// rules of FocusEvents and KeyTracker, so every control keeps them alike.
template <class Self, class W>
class FocusControl : public Control<W> {
public:
    explicit FocusControl(QWidget* parent)
        : Control<W>(parent), mFocus(this, [this] { gotFocus(); }, [this] { lostFocus(); })
    {
    }

    // Does nothing on a disabled or hidden control.
    void setFocus() { forms::setFocus(this); }

protected:
    static constexpr bool kHasKeyDown = requires(Self& s) { s.KeyDown(0); };
    static constexpr bool kHasKeyUp = requires(Self& s) { s.KeyUp(0); };

    // Raise the focus events; a control that shows the focus overrides them.
    virtual void gotFocus() { emit self()->GotFocus(); }
    virtual void lostFocus() { emit self()->LostFocus(); }

    // Remembers a key pressed here and raises KeyDown for it; its code.
    int pressKey(QKeyEvent* e)
    {
        const int code = mKeys.pressed(e);
        if constexpr (kHasKeyDown) {
            if (code)
                emit self()->KeyDown(code);
        }
        return code;
    }

    // KeyUp after the widget's own handling, for a key pressed here only.
    void keyReleaseEvent(QKeyEvent* e) override
    {
        int code = 0;
        const bool mine = mKeys.released(e, &code);
        W::keyReleaseEvent(e);
        if constexpr (kHasKeyUp) {
            if (mine && code)
                emit self()->KeyUp(code);
        }
    }

    void focusInEvent(QFocusEvent* e) override
    {
        W::focusInEvent(e);
        mFocus.focusIn(e);
    }

    void focusOutEvent(QFocusEvent* e) override
    {
        mKeys.forget();
        W::focusOutEvent(e);
        mFocus.focusOut(e);
    }

    detail::FocusEvents mFocus;
    detail::KeyTracker mKeys;

private:
    Self* self() { return static_cast<Self*>(this); }
};

} // namespace forms
