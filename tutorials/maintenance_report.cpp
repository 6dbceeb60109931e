#include "toolkit/report.h"
#include "tutorials/UMENU_PM.h"
#include "tutorials/core/maintenance_table.h"
#include "ui_UMENU_PM.h"

#include <QRadioButton>

// After "PROSES" (and only then) the prompt box holds the procedure's title;
// otherwise the text box holds the introduction.
int TPM::shownProcedure() const
{
    if (ui->BitBtn1->isEnabled() || !ui->BitBtn2->isEnabled())
        return 0;
    for (int type = 1; type <= loco::MaintenanceTable::kSize; ++type)
        if (choice(type)->isChecked())
            return type;
    return 0;
}

loco::Report TPM::report() const
{
    loco::Report report;
    report.title = QStringLiteral("Sistem Perawatan Komponen");
    report.fileStem = QStringLiteral("perawatan");
    loco::ReportSection procedure{{}, {}, ui->RichEdit1->lines(), {}};
    if (const int type = shownProcedure()) {
        report.subject = ui->RichEdit2->lines().join(QLatin1Char(' ')).trimmed();
        report.fileStem += QLatin1Char(' ') + report.subject;
        report.source = QStringLiteral("prosedur perawatan %1").arg(type);
        if (const auto& picture = table_.at(type).picture)
            loco::addPictureFile(procedure, QString::fromStdString(*picture));
    }
    report.sections << procedure;
    return report;
}
