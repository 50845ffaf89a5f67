// The fifteen money columns of a salary row, in the order the slip and the statement print them, and the line they print on.
#pragma once

#include <array>

namespace payslip {

// One line of the slip's and the statement's text, in twips: both print in
// one size, so a figure reads alike on either.
inline constexpr int kLine = 260;

struct PayColumn {
    const char* field;   // the salary column
    const char* slip;    // heading on the pay slip
    const char* statement; // heading on the pay statement
};

// Gross is the six parts less the festival-advance instalment; net is gross
// less the six deductions. Gross is printed as stored; net as every paper of
// the bill prints it (common/row_net.h), which is the stored net for every
// row but one an older build left a paisa off.
inline constexpr std::array<PayColumn, 15> kPayColumns{{
    {"pay", "PAY ", "Basic             PAY"},
    {"d_pay", "G.PAY", "G      Pay"},
    {"less_fa", "Less F A", "Less     F A"},
    {"da", "D A", " D A"},
    {"hra", "H R A", "HRA"},
    {"ma", "M A", "M A"},
    {"oa", "O A", "O A"},
    {"gross", "GROSS PAY", "GROSS PAY"},
    {"gpf_subs", "GPF Subs", "GPF Subs"},
    {"gpf_rec", "GPF Rec", "GPF Rec"},
    {"if", "I F", "I F"},
    {"sf", "S F", "S F"},
    {"p_tax", "P. TAX", "P.  TAX"},
    {"misc", "Misc", "MISC. REC"},
    {"net", "NET PAY", "NET AMOUNT"},
}};

} // namespace payslip
