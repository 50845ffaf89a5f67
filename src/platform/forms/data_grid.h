// The grid and the list bound to a data control.
#pragma once

#include "platform/forms/control.h"

#include <QFrame>
#include <QListView>
#include <QPointer>
#include <QVector>
#include <functional>

class QLabel;
class QTableView;

namespace data {
class DataControl;
}

namespace forms {

class GridModel;

struct GridColumn {
    QString heading;
    QString field; // the record source's field (or alias) shown in this column
};

// A captioned grid over a data control. It shows the columns set by
// setColumns (every field of the record source when none are set) and follows
// the data control's current row. Read-only unless the form allows in-place
// edits; an edited cell is handed to the cell writer, which writes it to the
// table (and usually refreshes the data control). A cell edited in its editor
// reaches the writer once the editor is closed, so the writer may refresh the
// rows or show a message box.
class DataGrid : public Control<QFrame> {
    Q_OBJECT
public:
    using CellWriter = std::function<void(int row, const QString& field, const QVariant& value)>;

    explicit DataGrid(QWidget* parent = nullptr);
    DataGrid(const QString& name, QWidget* parent);
    ~DataGrid() override;

    void setDataSource(data::DataControl* source);
    data::DataControl* dataSource() const;
    void setColumns(const QVector<GridColumn>& columns);

    QString caption() const;
    void setCaption(const QString& c);

    bool allowUpdate() const { return mAllowUpdate; }
    void setAllowUpdate(bool on, CellWriter writer = {});

    // Rows and cells as shown (after the column mapping).
    int rowCount() const;
    int columnCount() const;
    QString heading(int column) const;
    QVariant cell(int row, int column) const;
    // The data control's current row (-1 with none).
    int row() const;

    QColor backColor() const;
    void setBackColor(const QColor& c);
    QTableView* view() const { return mView; }

signals:
    void Click();
    void RowColChange();

private:
    void followCurrentRow();

    QLabel* mCaption = nullptr;
    QTableView* mView = nullptr;
    GridModel* mModel = nullptr;
    QPointer<data::DataControl> mSource;
    bool mAllowUpdate = false;
};

// A list of one field of a data control's rows (the bound list). Choosing a line
// makes it the data control's current row and raises Click.
class DataList : public Control<QListView> {
    Q_OBJECT
public:
    explicit DataList(QWidget* parent = nullptr);
    DataList(const QString& name, QWidget* parent);
    ~DataList() override;

    void setDataSource(data::DataControl* source, const QString& listField);
    // The chosen line's text ("" when none).
    QString text() const;
    int listIndex() const;

signals:
    void Click();
    void DblClick();

private:
    QPointer<data::DataControl> mSource;
    QString mField;
};

} // namespace forms
