// The particulars of the bill on screen that every schedule prints, as the bill form shows them.
#pragma once

#include <QString>

namespace paybill {

struct BillCaptions {
    QString billNo;       // Label16: bill number from the register, or "NIL"
    QString ddoCode;      // Label12: the D.D.O. code chosen on the form
    QString billDate;     // Combo1: the bill date as chosen
    QString payMonth;     // Label6
    QString drawalCode;   // Label7: the salary head's 17-digit code
    QString officeLine;   // Label10
    QString codeCategory; // Text2
    QString total;        // Label14: the schedule's total
    QString words;        // Label15: that total in words
    QString rentTotal;    // Label54: the house-rent total
    QString rentWords;    // Label55: that total in words
};

// Read from the bill form's single instance.
BillCaptions readBillCaptions();

} // namespace paybill
