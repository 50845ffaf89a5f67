// PREVIEW SLIP: the worked-out year written into the statement workbook.
#include "provident_fund/account_form.h"

namespace provident_fund {

// The workbook layer is not part of this build yet; PREVIEW SLIP stays greyed.
bool gpf_ac::statementAvailable()
{
    return false;
}

void gpf_ac::Command6_Click() {}

} // namespace provident_fund
