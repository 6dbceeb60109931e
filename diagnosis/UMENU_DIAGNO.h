#pragma once

#include "diagnosis/core/knowledge_set.h"
#include "toolkit/form_window.h"
#include "toolkit/report_commands.h"

#include <QStringList>

#include <memory>

namespace loco {
class AnswerRecorder;
}
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
    explicit Tdiagno(const loco::KnowledgeSet& knowledge, const QList<loco::ReportCommands::Command>& commands = {},
        QWidget* parent = nullptr);
    ~Tdiagno() override;

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
    // What the report says: the system, the path and the conclusion.
    loco::Report report() const;

    const loco::KnowledgeSet& knowledge_;
    std::unique_ptr<Ui::Tdiagno> ui;
    loco::AnswerRecorder* answers_;
};
