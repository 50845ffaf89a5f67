// The text box: an entry line raising the events the forms' entry chains are written against.
#pragma once

#include "platform/forms/control.h"

#include <QLineEdit>
#include <QPointer>

namespace data {
class DataControl;
}

namespace forms {

class TextBox : public FocusControl<TextBox, QLineEdit> {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    TextBox(const QString& name, QWidget* parent);
    ~TextBox() override;

    // text() / setText() are QLineEdit's; every real change of the text raises
    // Change, a write from code included (writing the same text raises nothing).

    // Locked: the user cannot change the text (code still can).
    bool locked() const { return isReadOnly(); }
    void setLocked(bool on) { setReadOnly(on); }

    // SelStart/SelLength. A selection set from code stays until the user
    // reaches the box (a box that takes the focus from code keeps it).
    int selStart() const;
    void setSelStart(int pos);
    int selLength() const;
    void setSelLength(int length);
    // selectAll() is QLineEdit's.

    // Entry box: green (#00FF00) while it has the focus, white otherwise. Boxes
    // of an EntryChain are made entry boxes.
    bool isEntryBox() const { return mEntryBox; }
    void setEntryBox(bool on);

    QColor backColor() const { return forms::backColor(this); }
    void setBackColor(const QColor& c) { forms::setBackColor(this, c); }

    // A box bound to a field of a data control shows that field of the current
    // row, and follows the row as it moves or the control refreshes. Writing
    // a change back is the form's (through its recordset).
    void setDataSource(data::DataControl* source, const QString& dataField);
    QString dataField() const { return mField; }

signals:
    void Change();
    void KeyDown(int keyCode);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode);
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void gotFocus() override;
    void lostFocus() override;

private:
    void init();
    void onTextChanged(const QString& text);
    void showBoundValue();

    QString mLastText;
    bool mEntryBox = false;
    QPointer<data::DataControl> mSource;
    QString mField;
};

} // namespace forms
