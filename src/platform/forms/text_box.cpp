#include "platform/forms/text_box.h"

#include "platform/data/data_control.h"
#include "platform/vb/convert.h"

#include <QKeyEvent>

namespace forms {

TextBox::TextBox(QWidget* parent) : FocusControl(parent)
{
    init();
}

TextBox::TextBox(const QString& name, QWidget* parent) : TextBox(parent)
{
    setObjectName(name);
}

TextBox::~TextBox() = default;

void TextBox::init()
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::onTextChanged);
}

void TextBox::onTextChanged(const QString& text)
{
    if (text == mLastText)
        return;
    mLastText = text;
    emit Change();
}

void TextBox::gotFocus()
{
    if (mEntryBox)
        setBackColor(entryFocusColour);
    emit GotFocus();
}

void TextBox::lostFocus()
{
    if (mEntryBox)
        setBackColor(entryIdleColour);
    emit LostFocus();
}

int TextBox::selStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TextBox::setSelStart(int pos)
{
    setCursorPosition(qBound(0, pos, int(text().size())));
}

int TextBox::selLength() const
{
    return hasSelectedText() ? int(selectedText().size()) : 0;
}

void TextBox::setSelLength(int length)
{
    const int start = selStart();
    setSelection(start, qBound(0, length, int(text().size()) - start));
}

void TextBox::setEntryBox(bool on)
{
    mEntryBox = on;
    if (on)
        setBackColor(mFocus.hasFocus() ? entryFocusColour : entryIdleColour);
}

void TextBox::setDataSource(data::DataControl* source, const QString& dataField)
{
    if (mSource)
        disconnect(mSource, nullptr, this, nullptr);
    mSource = source;
    mField = dataField;
    if (!source)
        return;
    connect(source, &data::DataControl::currentRowChanged, this, &TextBox::showBoundValue);
    connect(source, &QAbstractItemModel::modelReset, this, &TextBox::showBoundValue);
    showBoundValue();
}

void TextBox::showBoundValue()
{
    if (mSource)
        setText(vb::cstr(mSource->value(mField)));
}

void TextBox::keyPressEvent(QKeyEvent* e)
{
    pressKey(e);
    if (!e->text().isEmpty())
        emit KeyPress(e->text().at(0).unicode());
    QLineEdit::keyPressEvent(e);
}

void TextBox::keyReleaseEvent(QKeyEvent* e)
{
    int code = 0;
    if (mKeys.released(e, &code) && code)
        emit KeyUp(code);
    QLineEdit::keyReleaseEvent(e);
}

} // namespace forms
