// Every caption of every form, and every heading of every report's headers, is read whole at the default
// font: no text is wider (or, wrapped, taller) than the control that holds it.
#include "allotment/register_reports.h"
#include "paybill/inner_sheet_reports.h"
#include "paybill/schedules/gpf_schedules.h"
#include "paybill/schedules/increment_certificate.h"
#include "paybill/schedules/insurance_schedules.h"
#include "paybill/schedules/recovery_schedules.h"
#include "paybill/schedules/tax_schedules.h"
#include "payslip/pay_reports.h"
#include "platform/forms/clock.h"
#include "platform/forms/controls.h"
#include "platform/forms/registry.h"
#include "platform/reports/painter.h"
#include "platform/reports/report.h"
#include "shell/register_forms.h"
#include "support/temp_data_folder.h"
#include "support/ui_driver.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <tuple>

using namespace testsupport;

namespace {

// "form.control: text" when the text needs more room than the control gives.
QStringList cutCaptions(const forms::Form& form)
{
    QStringList out;
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&form))
            continue;
        QString text;
        int room = w->width();
        bool wraps = false;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            text = l->text();
            room = l->contentsRect().width() - 2 * l->margin();
            wraps = l->wordWrap();
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            text = b->text().remove(QLatin1Char('&'));
            // A check or option box spends room on its mark; a button on its frame.
            room = b->width() - (qobject_cast<const QPushButton*>(b) ? 8 : 22);
        }
        if (text.trimmed().isEmpty())
            continue;
        const QFontMetrics fm(w->font());
        const QRect need = fm.boundingRect(QRect(0, 0, room, 10000), wraps ? int(Qt::TextWordWrap) : 0, text);
        if (need.width() > room || (wraps && need.height() > w->height()))
            out << QStringLiteral("%1.%2: %3").arg(form.objectName(), w->objectName(), text);
    }
    return out;
}

// "report.control: caption" when a header's label needs more room than its box at its own font.
void cutHeadingsOf(const reports::Report& report, QStringList& out)
{
    for (auto kind : {reports::SectionKind::ReportHeader, reports::SectionKind::PageHeader, reports::SectionKind::Detail,
                      reports::SectionKind::PageFooter, reports::SectionKind::ReportFooter}) {
        for (const auto& c : report.section(kind).controls()) {
            if (c->kind() != reports::ControlKind::Label || c->caption().trimmed().isEmpty())
                continue;
            QFont f(QFont().family(), -1, c->font().bold ? QFont::Bold : QFont::Normal, c->font().italic);
            f.setStyleHint(QFont::SansSerif);
            f.setPixelSize(qRound(c->font().pointSize * reports::kTwipsPerPoint));
            const QRectF need = QFontMetricsF(f).boundingRect(QRectF(0, 0, c->width(), 100000),
                                                              c->wordWrap() ? Qt::TextWordWrap : 0, c->caption());
            // A word longer than its box would be broken inside it.
            bool wordCut = false;
            for (const QString& word : c->caption().split(QRegularExpression(QStringLiteral("\\s+"))))
                wordCut = wordCut || reports::textWidth(c->font(), word) > c->width();
            if (need.width() > c->width() + 0.5 || need.height() > c->height() + 0.5 || wordCut)
                out << QStringLiteral("%1.%2: %3").arg(report.effectiveTitle(), c->name(), c->caption());
        }
    }
}

TEST(CaptionsFit, EveryFormAndEveryReportHeader)
{
    TempDataFolder folder;
    forms::Clock::Override today{QDate(2026, 12, 7)};
    ScriptedBoxes boxes;
    shell::registerAllForms();
    QStringList cut;
    for (const QString& name : forms::Forms::registeredNames()) {
        auto& form = forms::Forms::get(name);
        showForm(form);
        cut << cutCaptions(form);
        forms::Forms::unloadAll();
        settle();
    }
    using namespace paybill;
    std::apply([&](const auto&... report) { (cutHeadingsOf(report, cut), ...); },
               std::tuple<DataReport1, DataReport15, DataReport8, DataReport16, DataReport2, DataReport3, DataReport4,
                          DataReport5, DataReport6, DataReport12, DataReport13, DataReport14, DataReport17,
                          payslip::DataReport7, payslip::DataReport11, allotment::DataReport9, allotment::DataReport10>());
    EXPECT_EQ(cut, QStringList());
}

} // namespace
