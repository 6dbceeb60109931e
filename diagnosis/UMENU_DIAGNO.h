#pragma once

#include "diagnosis/core/knowledge_set.h"
#include "diagnosis/diagnosis_services.h"
#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <QStringList>

#include <memory>

namespace loco {
class AnswerRecorder;
class DiagnosisSession;
} // namespace loco
class QAbstractButton;
namespace Ui {
class Tdiagno;
}

// The diagnosis dialogue: the user picks a system, presses "Mulai" and
// answers YA or TIDAK until a conclusion is written. The dialogue's state is
// what the controls show; the knowledge bases decide every step.
class Tdiagno : public FormWindow {
    Q_OBJECT

public:
    // knowledge outlives the window; commands join its report commands.
    Tdiagno(const loco::KnowledgeSet& knowledge, loco::DiagnosisServices services,
        const QList<loco::ReportCommands::Command>& commands = {}, QWidget* parent = nullptr);
    ~Tdiagno() override;

    // The dialogue as the companion window follows and drives it.
    loco::DiagnosisSession* session() const { return session_; }
    // What the report says (printed, saved, filed): the system, the path and
    // the conclusion.
    loco::Report report() const;

    void FormCreate();
    void RadioGroup1Click();
    void BitBtn8Click();
    void BITBTN1Click();
    void BITBTN2Click();
    void BitBtn7Click();
    void BitBtn4Click();

private:
    void answer(loco::Answer answer);
    void writeConclusion(int pointSize, const QStringList& lines);
    void connectAnswer(QAbstractButton* button, loco::Answer answer, void (Tdiagno::*handler)());
    // The companion's commands, beside the window's own.
    void addCompanionCommands(loco::ReportCommands* commands);

    const loco::KnowledgeSet& knowledge_;
    std::unique_ptr<Ui::Tdiagno> ui;
    loco::AnswerRecorder* answers_;
    loco::DiagnosisServices services_;
    loco::DiagnosisSession* session_;
};
