#include "platform/forms/list_controls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace forms {

// ---- ComboBox

ComboBox::ComboBox(QWidget* parent) : FocusControl(parent)
{
    init();
}

ComboBox::ComboBox(const QString& name, QWidget* parent) : ComboBox(parent)
{
    setObjectName(name);
}

void ComboBox::init()
{
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this] {
        if (!mLocked)
            emit Click();
    });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString& t) {
        if (t == mLastText)
            return;
        mLastText = t;
        emit Change();
    });
}

void ComboBox::addItem(const QString& text, const QVariant& itemData)
{
    // Filling a list chooses nothing (Qt would choose the first item).
    const int index = currentIndex();
    const QString typed = isEditable() ? currentText() : QString();
    QComboBox::addItem(text, itemData);
    if (index < 0 && currentIndex() >= 0) {
        setCurrentIndex(-1);
        if (isEditable())
            setEditText(typed);
    }
}

void ComboBox::clear()
{
    QComboBox::clear();
    if (isEditable())
        setEditText(QString());
}

void ComboBox::setListIndex(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void ComboBox::setText(const QString& t)
{
    const int index = findText(t, Qt::MatchExactly);
    if (index >= 0) {
        setCurrentIndex(index);
        return;
    }
    setCurrentIndex(-1);
    if (isEditable())
        setEditText(t);
}

void ComboBox::keyPressEvent(QKeyEvent* e)
{
    pressKey(e);
    if (mLocked) {
        e->accept();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void ComboBox::mousePressEvent(QMouseEvent* e)
{
    if (mLocked) {
        QWidget::setFocus(Qt::MouseFocusReason);
        e->accept();
        return;
    }
    QComboBox::mousePressEvent(e);
}

void ComboBox::wheelEvent(QWheelEvent* e)
{
    if (mLocked) {
        e->accept();
        return;
    }
    QComboBox::wheelEvent(e);
}

void ComboBox::showPopup()
{
    if (!mLocked)
        QComboBox::showPopup();
}

// ---- ListBox

ListBox::ListBox(QWidget* parent) : FocusControl(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] { emit Click(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit DblClick(); });
}

ListBox::ListBox(const QString& name, QWidget* parent) : ListBox(parent)
{
    setObjectName(name);
}

void ListBox::addItem(const QString& text, const QVariant& itemData)
{
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, itemData);
    QListWidget::addItem(item);
}

void ListBox::removeItem(int index)
{
    delete takeItem(index);
}

void ListBox::clear()
{
    QListWidget::clear();
}

QString ListBox::list(int index) const
{
    const QListWidgetItem* i = item(index);
    return i ? i->text() : QString();
}

QVariant ListBox::itemData(int index) const
{
    const QListWidgetItem* i = item(index);
    return i ? i->data(Qt::UserRole) : QVariant();
}

int ListBox::listIndex() const
{
    // A view may make its first line current on taking the focus without
    // choosing it; only a chosen line counts.
    const QListWidgetItem* i = currentItem();
    return i && i->isSelected() ? currentRow() : -1;
}

void ListBox::setListIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

QString ListBox::text() const
{
    const int i = listIndex();
    return i >= 0 ? list(i) : QString();
}

void ListBox::keyPressEvent(QKeyEvent* e)
{
    pressKey(e);
    const int before = listIndex();
    QListWidget::keyPressEvent(e);
    if (listIndex() != before && listIndex() >= 0)
        emit Click();
}

} // namespace forms
