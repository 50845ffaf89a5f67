// The allotment register and the bill register of every head for a period of dates.
#pragma once

#include "platform/reports/report.h"

#include <QDate>

namespace allotment {

// Allotment orders received, two lines a row: the head's code over its description.
class DataReport9 : public reports::Report {
    Q_OBJECT
public:
    DataReport9();
    // Reads the period and its captions from the financial-report form.
    void initialize() override;
    // The orders dated from..to (both inclusive), opening rows left out; the
    // header reads fromCaption and toCaption.
    void load(const QDate& from, const QDate& to, const QString& fromCaption,
              const QString& toCaption);
};

// Bills drawn, by bill number.
class DataReport10 : public reports::Report {
    Q_OBJECT
public:
    DataReport10();
    void initialize() override;
    void load(const QDate& from, const QDate& to, const QString& fromCaption,
              const QString& toCaption);
};

} // namespace allotment
