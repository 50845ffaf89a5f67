// The pay bill's inner sheets (left: pay and allowances, right: deductions) and their grand-total pages.
#pragma once

#include "platform/reports/report.h"

namespace paybill {

// Left inner sheet, columns 1 to 6: the whole of sal, or the Sl. Nos. from
// Form6.Label48 to Label49 when Form6.Label27 is not 0; footer caption from
// Form6.Label52.
class DataReport1 : public reports::Report {
    Q_OBJECT
public:
    DataReport1();
    void initialize() override;
};

// Right inner sheet, columns 7 to 13, on the same rows as the left one; the
// footer splits the insurance sums by scheme (Form6.Label22 to Label25).
class DataReport15 : public reports::Report {
    Q_OBJECT
public:
    DataReport15();
    void initialize() override;
};

// Grand total of the left sheet (Form6.Label31 to Label37), in the columns of
// the left sheet, for a bill printed page by page.
class DataReport8 : public reports::Report {
    Q_OBJECT
public:
    DataReport8();
    void initialize() override;
};

// Grand total of the right sheet (Form6.Label38 to Label47, Label56 and the
// insurance split Label22 to Label25).
class DataReport16 : public reports::Report {
    Q_OBJECT
public:
    DataReport16();
    void initialize() override;
};

} // namespace paybill
