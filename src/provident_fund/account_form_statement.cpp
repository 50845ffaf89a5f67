// PREVIEW SLIP: the worked-out year written into the statement workbook.
#include "provident_fund/account_form.h"

#include "common/templates.h"
#include "platform/data/database.h"
#include "platform/forms/controls.h"
#include "platform/forms/dialogs.h"
#include "platform/office/workbook.h"
#include "platform/vb/error.h"
#include "provident_fund/statement.h"

#include <QDir>
#include <optional>

namespace provident_fund {

void gpf_ac::Command6_Click()
{
    if (common::refuseFaultyTemplates({QString::fromLatin1(kStatementTemplate)},
                                      QStringLiteral("NO STATEMENT WAS MADE."), QStringLiteral("PLEASE NOTE")))
        return;
    const Statement statement = statementCells(
        *mDb, {Label21->caption(), Text9->text(), Text14->text(), Text16->text(), Text17->text(), Text10->text(),
               Text18->text(), Text20->text()});
    if (!statement.refusal.isEmpty()) {
        forms::Dialogs::msgBox(statement.refusal, forms::vbInformation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    std::optional<office::Workbook> book;
    try {
        book.emplace(office::Workbook::open(QString::fromLatin1(kStatementTemplate)));
    } catch (const vb::Error& e) {
        if (e.number != vb::FileNotFound)
            throw;
        forms::Dialogs::msgBox(QStringLiteral("The statement template \"%1\" is missing from the data folder %2.\r\n"
                                              "No statement was made. Restore it with:\r\n"
                                              "    dosset-setup \"%2\" --update")
                                   .arg(QLatin1String(kStatementTemplate),
                                        QDir::toNativeSeparators(data::dataFolder())),
                               forms::vbExclamation, QStringLiteral("PLEASE NOTE"));
        return;
    }
    // Filled whole in memory first: a failure on the way shows nothing.
    for (const StatementCell& c : statement.cells)
        book->setValue(c.row, c.col, c.value);
    book->setSubject(QStringLiteral("%1-%2 %3").arg(mStart.year()).arg(mStart.year() + 1).arg(statement.account));
    book->show();
}

} // namespace provident_fund
