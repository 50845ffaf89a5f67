// The cheque register: one cheque per bill, a bill being its number and its register date.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace data {
class Database;
}

namespace payslip {

// A typed bill number: a whole number from 1 to 2,147,483,647, blanks around
// allowed; none for anything else ("0", "2.5", "5 or 1=1").
std::optional<int> billNumber(const QString& typed);

// The register date of the real bill (number above 0, never an opening row)
// of that number; the first registered when several heads share the number.
std::optional<QDate> registeredBillDate(data::Database& fundDb, int billNo);
bool isRegisteredBill(data::Database& fundDb, int billNo, const QDate& billDate);

// What the clerk typed, with the bill date the look-up found (null when no
// bill was looked up since the number was last edited).
struct ChequeEntry {
    QString billNo;
    QDate billDate;
    QString chequeNo;
    QString chequeDate;
    QString amount;
};

// Which box a refusal sends the clerk back to.
enum class ChequeBox { BillNo, ChequeNo, ChequeDate, Amount, Cancel };

struct ChequeRefusal {
    QString message;
    ChequeBox box;
};

// SAVE's checks in their order; none when the cheque may be saved. A grid
// edit passes the row it edits, so the row is not its own duplicate.
std::optional<ChequeRefusal> checkCheque(data::Database& fundDb, const ChequeEntry& entry, qint64 editedRow = 0);

// Adds the checked cheque. Throws vb::Error 3022 when the bill has one already.
void addCheque(data::Database& fundDb, const ChequeEntry& entry);

// A bill as the clerk reads it: "BILL NO. 2 OF 25/05/2026".
QString billName(const QVariant& billNo, const QDate& billDate);

// The first bill other than the entry's own that holds the entry's cheque
// number, named as billName does; empty when none does. A grid edit passes
// the row it edits, which is never another bill.
QString otherBillOfCheque(data::Database& fundDb, const ChequeEntry& entry, qint64 editedRow = 0);

// What SAVE and the grid ask before the entry keeps a cheque number that
// otherBill holds already; its Yes writes a second copy, so No is the default.
QString sharedChequeQuestion(const ChequeEntry& entry, const QString& otherBill);

// A cell of the register changed in place: the row as it would stand, and
// SAVE's refusal of it if any. A new bill number moves the cheque to that
// bill, its date as the bill number's look-up finds it; a new bill date moves
// it to the bill of the row's number and that date. Either move needs a bill
// in the bill register that has no cheque yet.
struct ChequeEdit {
    ChequeEntry entry;
    std::optional<ChequeRefusal> refusal;
};
ChequeEdit proposeChequeEdit(data::Database& fundDb, qint64 row, const QString& field, const QVariant& value);
// Writes the row as a proposed edit left it.
void writeChequeEdit(data::Database& fundDb, qint64 row, const ChequeEntry& entry);
// Both: the edit is written only when it is not refused.
std::optional<ChequeRefusal> editCheque(data::Database& fundDb, qint64 row, const QString& field,
                                        const QVariant& value);

} // namespace payslip
