// The grid shows a data control's rows through its columns and follows its current row.
#include "platform/data/data_control.h"
#include "platform/data/database.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/scripted_dialogs.h"
#include "platform/vb/error.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QAbstractItemModel>
#include <QTableView>
#include <gtest/gtest.h>

using namespace forms;

TEST(DataGrid, ShowsBoundColumnsFollowsTheRowAndHandsEditsToTheWriter)
{
    testsupport::TempDataFolder folder;
    data::Database& fund = data::Database::open("fund.mdb");
    for (const QVariantList& row : {QVariantList{"2202020010101", "0", "2026-04-01", 0, 0},
                                    QVariantList{"2202020010101", "FIN/12", "2026-05-14", 125000.5, 4000}})
        fund.execute("INSERT INTO all_allot (head, order_no, order_date, pay, da) VALUES (?, ?, ?, ?, ?)", row);

    data::DataControl Data1;
    Data1.setDatabaseName("fund.mdb");
    Data1.setRecordSource("select * from all_allot where head = ? and order_no <> ?", {"2202020010101", "0"});
    DataGrid DBGrid1("DBGrid1", nullptr);
    DBGrid1.setCaption("ALLOTMENT RECEIVED FOR THIS FINANCIAL YEAR");
    DBGrid1.setColumns({{"ORDER NO", "order_no"}, {"DATE", "order_date"}, {"PAY", "pay"}, {"D.A", "da"}});
    DBGrid1.setDataSource(&Data1);
    Data1.refresh();

    ASSERT_EQ(QList<int>({DBGrid1.rowCount(), DBGrid1.columnCount()}), QList<int>({1, 4}));
    EXPECT_EQ(QStringList({DBGrid1.heading(1), DBGrid1.cell(0, 0).toString(), DBGrid1.cell(0, 1).toString(),
                           DBGrid1.cell(0, 2).toString(), DBGrid1.cell(0, 3).toString()}),
              QStringList({"DATE", "FIN/12", "14/05/2026", "125000.5", "4000"}));

    // A new record source is shown afresh, standing on the data control's row.
    Data1.setRecordSource("select * from all_allot");
    Data1.refresh();
    Data1.moveLast();
    EXPECT_EQ(QList<int>({DBGrid1.rowCount(), DBGrid1.row(), DBGrid1.view()->currentIndex().row()}), QList<int>({2, 1, 1}));

    // Read-only unless allowed; an edit goes to the form's writer.
    QAbstractItemModel* model = DBGrid1.view()->model();
    EXPECT_FALSE(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEditable));
    QStringList written;
    DBGrid1.setAllowUpdate(true, [&](int row, const QString& field, const QVariant& v) {
        written << QString("%1 %2 %3").arg(row).arg(field, v.toString());
    });
    EXPECT_TRUE(model->setData(model->index(1, 0), "FIN/13"));
    EXPECT_EQ(written, QStringList({"1 order_no FIN/13"}));

    // A writer that fails is reported, not thrown through the view.
    ScriptedDialogs boxes;
    DBGrid1.setAllowUpdate(true, [](int, const QString&, const QVariant&) {
        throw vb::Error(vb::DataTypeConversion, "Data type conversion error.");
    });
    EXPECT_FALSE(model->setData(model->index(1, 2), "abc"));
    EXPECT_EQ(boxes.lastPrompt(), "The command could not be finished: a value is not of the kind expected (a number "
                                  "or a date); nothing of it was saved.");
    EXPECT_EQ(boxes.boxes().last().details, "DBGrid1_Update failed: Data type conversion error. (error 3421)");
}
