// Combo boxes and list boxes: lists whose items may carry the key behind the text.
#pragma once

#include "platform/forms/control.h"

#include <QComboBox>
#include <QListWidget>
#include <QVariant>

namespace forms {

// A combo box. Not editable unless the form calls setEditable(true) (a combo
// the user may type into); a locked combo keeps its choice against the
// user. Click is raised by a user's choice only (mouse or keys), never by
// setListIndex or setText from code.
class ComboBox : public FocusControl<ComboBox, QComboBox> {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    ComboBox(const QString& name, QWidget* parent);

    // Items. The item data is the key behind the text (a record's key), so a
    // choice never depends on a description two records may share.
    void addItem(const QString& text, const QVariant& itemData = QVariant());
    void removeItem(int index) { QComboBox::removeItem(index); }
    void clear();
    int listCount() const { return count(); }
    QString list(int index) const { return itemText(index); }
    QVariant itemData(int index) const { return QComboBox::itemData(index); }
    void setItemData(int index, const QVariant& v) { QComboBox::setItemData(index, v); }

    // -1 when nothing is chosen.
    int listIndex() const { return currentIndex(); }
    void setListIndex(int index);
    // The key of the chosen item (null when nothing is chosen).
    QVariant currentData() const { return QComboBox::currentData(); }

    // The text: the chosen item's, or what was typed into an editable combo.
    // setText chooses the item of that text when there is one; an editable
    // combo otherwise shows the text with no item chosen, a plain list chooses
    // nothing. Raises Change when the text changes, never Click.
    QString text() const { return currentText(); }
    void setText(const QString& t);

    bool locked() const { return mLocked; }
    void setLocked(bool on) { mLocked = on; }
    QColor backColor() const { return forms::backColor(this); }
    void setBackColor(const QColor& c) { forms::setBackColor(this, c); }

signals:
    void Click();
    void Change();
    void KeyDown(int keyCode);
    void KeyUp(int keyCode);
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void showPopup() override;

private:
    void init();
    QString mLastText;
    bool mLocked = false;
};

// A list box. Click on a user's choice only; DblClick on a double click.
class ListBox : public FocusControl<ListBox, QListWidget> {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    ListBox(const QString& name, QWidget* parent);

    void addItem(const QString& text, const QVariant& itemData = QVariant());
    void removeItem(int index);
    void clear();
    int listCount() const { return count(); }
    QString list(int index) const;
    QVariant itemData(int index) const;

    // -1 when no line is chosen.
    int listIndex() const;
    void setListIndex(int index);
    // The chosen line's text ("" when none).
    QString text() const;

signals:
    void Click();
    void DblClick();
    void KeyUp(int keyCode);
    void GotFocus();
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace forms
