// The allotment register and the bill register of every head for a period of dates.
#pragma once

#include "platform/reports/report.h"

#include <QDate>

namespace allotment {

// A register of the fund file over a period of dates: its rows dated within
// the period, its header showing the period's captions.
class PeriodRegister : public reports::Report {
    Q_OBJECT
public:
    // Reads the period and its captions from the financial-report form.
    void initialize() override;
    // The rows dated from..to (both inclusive, as registerPeriod takes them),
    // opening rows left out; the header reads fromCaption and toCaption.
    void load(const QDate& from, const QDate& to, const QString& fromCaption,
              const QString& toCaption);

protected:
    // sql selects the rows of the period, its condition on dateField standing
    // for %1; fromLabel and toLabel are the report header's labels of the
    // period's captions.
    PeriodRegister(const char* sql, const char* dateField, const char* fromLabel, const char* toLabel);

private:
    const char* mSql;
    const char* mDateField;
    const char* mFromLabel;
    const char* mToLabel;
};

// Allotment orders received, two lines a row: the head's code over its description.
class DataReport9 : public PeriodRegister {
    Q_OBJECT
public:
    DataReport9();
};

// Bills drawn, by bill number.
class DataReport10 : public PeriodRegister {
    Q_OBJECT
public:
    DataReport10();
};

} // namespace allotment
