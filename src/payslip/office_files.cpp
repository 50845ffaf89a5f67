#include "payslip/office_files.h"

#include "payslip/annexure.h"
#include "platform/vb/error.h"

namespace payslip {

// The office layer that fills templates is not in this build yet.
QString showAnnexure(const Annexure&)
{
    throw vb::Error(vb::InvalidProcedureCall, QStringLiteral("Filling %1 is not available in this build.")
                                                  .arg(QLatin1String(kAnnexureTemplate)));
}

QString showIncomeTaxStatement(const QVector<SheetCell>&)
{
    throw vb::Error(vb::InvalidProcedureCall, QStringLiteral("Filling %1 is not available in this build.")
                                                  .arg(QLatin1String(kIncomeTaxTemplate)));
}

} // namespace payslip
