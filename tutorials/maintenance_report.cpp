#include "toolkit/report.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/core/maintenance_table.h"
#include "ui_UMENU_PM.h"

#include <QRadioButton>

loco::Report TPM::report() const
{
    loco::Report report;
    report.title = QStringLiteral("Sistem Perawatan Komponen");
    report.fileStem = QStringLiteral("perawatan");
    loco::ReportSection procedure{{}, {}, ui->RichEdit1->lines(), {}};
    // After "PROSES" (and only then) the prompt box holds the procedure's
    // title; otherwise the text box holds the introduction.
    const bool shown = !ui->BitBtn1->isEnabled() && ui->BitBtn2->isEnabled();
    if (shown) {
        report.subject = ui->RichEdit2->lines().join(QLatin1Char(' ')).trimmed();
        report.fileStem += QLatin1Char(' ') + report.subject;
        for (int type = 1; type <= loco::MaintenanceTable::kSize; ++type) {
            const loco::MaintenanceEntry& entry = table_.at(type);
            if (!choice(type)->isChecked())
                continue;
            report.source = QStringLiteral("prosedur perawatan %1").arg(type);
            if (entry.picture)
                loco::addPictureFile(procedure, QString::fromStdString(*entry.picture));
        }
    }
    report.sections << procedure;
    return report;
}
