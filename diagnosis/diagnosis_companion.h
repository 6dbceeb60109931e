#pragma once

#include "diagnosis/core/knowledge_outline.h"
#include "diagnosis/core/symptom_search.h"
#include "diagnosis/diagnosis_services.h"
#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class Tdiagno;
namespace Ui {
class DiagnosisCompanion;
}
namespace loco {
class DiagnosisSession;
}

// "Jejak diagnosa", beside the diagnosis window: the answers since "Mulai"
// (choosing one returns to the state before it), the causes still possible
// and the closing texts still in reach, the procedures linked to them, and
// the search by symptom, whose results the diagnosis is brought to as a user
// would bring it. Kept in step with the diagnosis window.
class DiagnosisCompanion : public FormWindow {
    Q_OBJECT

public:
    // Everything handed outlives the window. commands (filing in the workshop
    // records...) run on the diagnosis window's report, as there.
    DiagnosisCompanion(const loco::ProcedureLinks& links, loco::ProcedureOpener procedures, Tdiagno& diagnosis,
        const QList<loco::ReportCommands::Command>& commands = {}, QWidget* parent = nullptr);
    ~DiagnosisCompanion() override;

    // Shows the window, beside the diagnosis window when it was hidden, with
    // the keyboard in the trail or, for search, in the search field.
    void showBeside(bool search);

    // The handlers.
    void SearchFieldChange();
    void SearchResultsActivate();
    void TrailActivate();
    void CandidatesActivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The trail and the causes as the dialogue now stands.
    void followDialogue();
    void showTrail();
    void showCandidates();
    QTreeWidgetItem* addConclusion(
        QTreeWidgetItem* parent, loco::System system, const loco::Outcome& outcome, const QString& note);
    void placeBesideDiagnosis();
    void returnToDiagnosis();

    std::unique_ptr<Ui::DiagnosisCompanion> ui;
    const loco::ProcedureLinks& links_;
    loco::ProcedureOpener procedures_;
    Tdiagno& diagnosis_;
    loco::DiagnosisSession& session_;
    std::vector<loco::Outline> outlines_;
    loco::SymptomSearch search_;
};
