#include "platform/forms/data_grid.h"

#include "platform/data/data_control.h"
#include "platform/forms/dispatch.h"
#include "platform/vb/convert.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace forms {

// The data control's rows through the grid's columns.
class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setSource(data::DataControl* source)
    {
        beginResetModel();
        if (mSource)
            QObject::disconnect(mSource, nullptr, this, nullptr);
        mSource = source;
        if (source) {
            // Any change of the record source's rows is shown afresh.
            connect(source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
            connect(source, &QAbstractItemModel::modelReset, this, [this] {
                mapFields();
                endResetModel();
            });
            connect(source, &QAbstractItemModel::rowsInserted, this, &GridModel::reset);
            connect(source, &QAbstractItemModel::rowsRemoved, this, &GridModel::reset);
            connect(source, &QAbstractItemModel::dataChanged, this, &GridModel::reset);
            connect(source, &QAbstractItemModel::layoutChanged, this, &GridModel::reset);
        }
        mapFields();
        endResetModel();
    }

    void setColumns(const QVector<GridColumn>& columns)
    {
        beginResetModel();
        mColumns = columns;
        mapFields();
        endResetModel();
    }

    void reset()
    {
        beginResetModel();
        mapFields();
        endResetModel();
    }

    QString field(int column) const
    {
        if (!mColumns.isEmpty())
            return column >= 0 && column < mColumns.size() ? mColumns[column].field : QString();
        return mSource ? mSource->record().fieldName(column) : QString();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !mSource ? 0 : mSource->rowCount();
    }

    int columnCount(const QModelIndex& parent = {}) const override
    {
        if (parent.isValid())
            return 0;
        if (!mColumns.isEmpty())
            return int(mColumns.size());
        return mSource ? mSource->record().count() : 0;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!mSource || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        const int sourceColumn = mFieldIndex.value(index.column(), -1);
        if (sourceColumn < 0)
            return {};
        return shown(mSource->data(mSource->index(index.row(), sourceColumn), Qt::DisplayRole));
    }

    // Amounts as the program writes them elsewhere ("1234", "0.5"), stored ISO
    // dates day first as the office reads them.
    static QVariant shown(const QVariant& v)
    {
        if (v.isNull())
            return QString();
        if (v.typeId() == QMetaType::QString) {
            const QString text = v.toString();
            static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
            if (iso.match(text).hasMatch()) {
                const QDate d = QDate::fromString(text, Qt::ISODate);
                if (d.isValid())
                    return vb::shortDate(d);
            }
            return text;
        }
        return vb::cstr(v);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        if (!mColumns.isEmpty())
            return section < mColumns.size() ? mColumns[section].heading : QString();
        return field(section);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (mWriter && mFieldIndex.value(index.column(), -1) >= 0)
            f |= Qt::ItemIsEditable;
        return f;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!mWriter || role != Qt::EditRole || !index.isValid())
            return false;
        const Edit edit{index.row(), field(index.column()), value};
        if (mHolding) {
            mHeld = edit;
            return true;
        }
        return write(edit);
    }

    // While the view commits an editor, an edit is held and written once the
    // editor is closed: the writer may refresh the rows or ask a question,
    // and either would pull the editor away from under the view while it is
    // still open (the focus then falls to whatever widget comes next, maybe
    // in another window).
    void holdEdits(bool on) { mHolding = on; }
    bool holdsEdit() const { return mHeld.has_value(); }
    void writeHeld()
    {
        if (std::optional<Edit> edit = std::exchange(mHeld, std::nullopt))
            write(*edit);
    }

    DataGrid::CellWriter mWriter;

private:
    struct Edit {
        int row;
        QString field;
        QVariant value;
    };

    bool write(const Edit& e)
    {
        // Called from the view's editor: an error is reported, never thrown through Qt.
        return dispatch(parent()->objectName() + "_Update", [&] { mWriter(e.row, e.field, e.value); });
    }

    void mapFields()
    {
        mFieldIndex.clear();
        if (!mSource)
            return;
        const QSqlRecord rec = mSource->record();
        const int n = mColumns.isEmpty() ? rec.count() : int(mColumns.size());
        for (int c = 0; c < n; ++c)
            mFieldIndex.append(mColumns.isEmpty() ? c : rec.indexOf(mColumns[c].field));
    }

    QPointer<data::DataControl> mSource;
    QVector<GridColumn> mColumns;
    QVector<int> mFieldIndex;
    bool mHolding = false;
    std::optional<Edit> mHeld;
};

// The grid's table: an edited cell reaches the model's writer only after its
// editor is closed and the focus is back on the table.
class GridView : public QTableView {
public:
    GridView(GridModel* model, QWidget* parent) : QTableView(parent), mModel(model) { setModel(model); }

protected:
    void commitData(QWidget* editor) override
    {
        mModel->holdEdits(true);
        QTableView::commitData(editor);
        mModel->holdEdits(false);
        // A commit that no closing follows is written when control returns.
        if (mModel->holdsEdit())
            QMetaObject::invokeMethod(this, [this] { mModel->writeHeld(); }, Qt::QueuedConnection);
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        // The rows are read afresh after an edit: no next cell is opened in
        // rows about to be replaced.
        const bool held = mModel->holdsEdit();
        QTableView::closeEditor(editor, held ? QAbstractItemDelegate::NoHint : hint);
        mModel->writeHeld();
    }

private:
    GridModel* mModel;
};

DataGrid::DataGrid(QWidget* parent) : Control(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    mCaption = new QLabel(this);
    mCaption->setTextFormat(Qt::PlainText);
    mCaption->setAlignment(Qt::AlignCenter);
    mCaption->setFrameShape(QFrame::Box);
    mCaption->hide();
    mModel = new GridModel(this);
    mView = new GridView(mModel, this);
    mView->setSelectionBehavior(QAbstractItemView::SelectRows);
    mView->setSelectionMode(QAbstractItemView::SingleSelection);
    mView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(mCaption);
    layout->addWidget(mView);

    connect(mView, &QTableView::clicked, this, [this] { emit Click(); });
    connect(mView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (mSource && current.isValid() && current.row() != mSource->currentRow()) {
                    mSource->setCurrentRow(current.row());
                    emit RowColChange();
                }
            });
    connect(mModel, &QAbstractItemModel::modelReset, this, &DataGrid::followCurrentRow);
}

DataGrid::DataGrid(const QString& name, QWidget* parent) : DataGrid(parent)
{
    setObjectName(name);
}

DataGrid::~DataGrid() = default;

void DataGrid::setDataSource(data::DataControl* source)
{
    if (mSource)
        disconnect(mSource, nullptr, this, nullptr);
    mSource = source;
    mModel->setSource(source);
    if (source)
        connect(source, &data::DataControl::currentRowChanged, this, &DataGrid::followCurrentRow);
    followCurrentRow();
}

data::DataControl* DataGrid::dataSource() const
{
    return mSource;
}

void DataGrid::setColumns(const QVector<GridColumn>& columns)
{
    mModel->setColumns(columns);
}

QString DataGrid::caption() const
{
    return mCaption->text();
}

void DataGrid::setCaption(const QString& c)
{
    mCaption->setText(c);
    mCaption->setVisible(!c.isEmpty());
}

void DataGrid::setAllowUpdate(bool on, CellWriter writer)
{
    mAllowUpdate = on && writer;
    mModel->mWriter = mAllowUpdate ? std::move(writer) : CellWriter();
    mView->setEditTriggers(mAllowUpdate ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                              | QAbstractItemView::AnyKeyPressed
                                        : QAbstractItemView::NoEditTriggers);
}

int DataGrid::rowCount() const
{
    return mModel->rowCount();
}

int DataGrid::columnCount() const
{
    return mModel->columnCount();
}

QString DataGrid::heading(int column) const
{
    return mModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QVariant DataGrid::cell(int row, int column) const
{
    return mModel->data(mModel->index(row, column), Qt::DisplayRole);
}

int DataGrid::row() const
{
    return mSource ? mSource->currentRow() : -1;
}

QColor DataGrid::backColor() const
{
    return forms::backColor(mView);
}

void DataGrid::setBackColor(const QColor& c)
{
    forms::setBackColor(mView, c);
}

void DataGrid::followCurrentRow()
{
    const int r = row();
    if (r < 0 || r >= mModel->rowCount()) {
        mView->clearSelection();
        return;
    }
    const QModelIndex index = mModel->index(r, qMax(0, mView->currentIndex().column()));
    if (mView->currentIndex().row() != r)
        mView->setCurrentIndex(index);
    mView->scrollTo(index);
}

// ---- DataList

DataList::DataList(QWidget* parent) : Control(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (mSource)
            mSource->setCurrentRow(index.row());
        emit Click();
    });
    connect(this, &QListView::doubleClicked, this, [this] { emit DblClick(); });
}

DataList::DataList(const QString& name, QWidget* parent) : DataList(parent)
{
    setObjectName(name);
}

DataList::~DataList() = default;

void DataList::setDataSource(data::DataControl* source, const QString& listField)
{
    if (mSource)
        disconnect(mSource, nullptr, this, nullptr);
    mSource = source;
    mField = listField;
    setModel(source);
    if (!source)
        return;
    auto column = [this] {
        if (mSource)
            setModelColumn(qMax(0, mSource->record().indexOf(mField)));
    };
    connect(source, &QAbstractItemModel::modelReset, this, column);
    column();
}

QString DataList::text() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() && selectionModel()->isSelected(i) ? i.data().toString() : QString();
}

int DataList::listIndex() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() && selectionModel()->isSelected(i) ? i.row() : -1;
}

} // namespace forms
