// B-STATEMENT of the financial-report form: the month's workbook and the totals it carries forward.
#include "allotment/b_statement.h"
#include "allotment/financial_report_form.h"
#include "allotment/report_period.h"

#include "common/schema.h"
#include "common/templates.h"
#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/office/desktop.h"
#include "platform/office/package.h"
#include "platform/office/workbook.h"
#include "platform/vb/convert.h"
#include "platform/vb/error.h"

#include <QDir>

namespace allotment {

void Form4::Command4_Click()
{
    // Refused before the month's totals are stored.
    if (common::refuseFaultyTemplates({QString::fromLatin1(kStatementTemplate)},
                                      QStringLiteral("NO STATEMENT WAS MADE AND NO TOTAL WAS STORED."),
                                      QStringLiteral("Hi")))
        return;
    if (!periodIsDates())
        return;
    const QDate from = vb::cdate(Text1->text().trimmed());
    const QDate to = vb::cdate(Text2->text().trimmed());
    // A statement for any other period would be stored as this month's
    // totals and carried into every later month.
    if (const auto refusal = checkReportingMonth(Combo2->text(), Label14->caption(), Label10->caption(), from, to)) {
        forms::Dialogs::msgBox(*refusal, forms::vbInformation, "Hi");
        return;
    }
    const StatementRequest request{Label9->caption(), Label10->caption().trimmed().toInt(),
                                   Label14->caption().trimmed().toInt(), Combo2->text(), Label16->caption()};

    data::Database& fund = data::Database::open(common::kFundDb);
    const auto statement = makeBStatement(fund, request);
    if (!statement) {
        forms::Dialogs::msgBox("B-Statement Report for previous month not Found.\r\n"
                               "Check the last reproting month and continue.",
                               forms::vbInformation, "Hi");
        return;
    }

    std::optional<office::Workbook> book;
    try {
        book.emplace(office::Workbook::open(kStatementTemplate));
    } catch (const vb::Error& e) {
        if (e.number != vb::FileNotFound)
            throw;
        forms::Dialogs::msgBox(QStringLiteral("THE WORKBOOK TEMPLATE \"%1\" IS MISSING FROM THE DATA FOLDER.\r\n"
                                              "Restore it with: dosset-setup \"%2\" --update")
                                   .arg(QLatin1String(kStatementTemplate), QDir::toNativeSeparators(data::dataFolder())),
                               forms::vbExclamation, "Hi");
        return;
    }
    book->setSubject(from.toString(QStringLiteral("yyyy-MM")) + QLatin1Char(' ') + Combo1->currentData().toString());
    const StatementSheet sheet = statementSheet(*statement);
    if (sheet.extraRows > 0)
        book->insertRows(sheet.insertBefore, sheet.extraRows);
    for (const SheetCell& cell : sheet.cells)
        book->setValue(cell.row, cell.col, cell.value);

    // The rows are committed only once the file is whole on the disk, and the
    // file takes its name only once the rows are in: a kill at any moment
    // leaves both, the rows alone (making the month again makes its workbook
    // and finds them as they are), or neither; never a workbook whose totals
    // were not carried, nor a late bill carried into some later months only.
    office::StagedFile file = book->stage();
    StoredTotals stored;
    {
        data::Transaction transaction(fund);
        stored = storeProgressive(fund, *statement);
        transaction.commit();
    }
    // Rows of other months brought into line with the register change what
    // their statements, made earlier, printed as carried forward.
    const auto tellMoved = [&stored] {
        if (stored.movedMonths.isEmpty())
            return;
        QStringList names;
        for (int month : stored.movedMonths)
            names << reportingMonths().value(month - 4);
        forms::Dialogs::msgBox(QStringLiteral("THE PROGRESSIVE TOTALS OF %1 HAVE BEEN BROUGHT INTO LINE WITH THE BILL "
                                              "REGISTER (A BILL ENTERED LATE, CHANGED OR DELETED).\n"
                                              "THE B-STATEMENTS OF THOSE MONTHS MADE EARLIER NO LONGER SHOW THE CARRIED "
                                              "TOTALS: MAKE THEM AGAIN TO PRINT THEM.")
                                   .arg(names.join(QStringLiteral(", "))),
                               forms::vbInformation, QStringLiteral("PLEASE NOTE"));
    };
    QString path;
    try {
        path = file.publish();
    } catch (const vb::Error& e) {
        tellMoved();
        // The totals are in and carry forward; only the file lacks its name.
        throw vb::Error(e.number, QStringLiteral("The month's totals were saved, but its workbook could not be named in "
                                                 "the folder\n%1\nMake the B-statement of this month again to make it.")
                                      .arg(QDir::toNativeSeparators(data::dataFolder() + QStringLiteral("/output"))));
    }
    // Said before the workbook is shown, so that the workbook's own window,
    // not the form under the message, is in front once the clerk has read it.
    tellMoved();
    office::showFile(path);
}

} // namespace allotment
