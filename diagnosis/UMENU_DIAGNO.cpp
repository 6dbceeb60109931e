#include "diagnosis/UMENU_DIAGNO.h"

#include "diagnosis/answer_recorder.h"
#include "diagnosis/diagnosis_session.h"
#include "toolkit/definition.h"
#include "toolkit/handler_guard.h"
#include "toolkit/report_commands.h"
#include "ui_UMENU_DIAGNO.h"

#include <QPushButton>

#include <string_view>
#include <variant>

using loco::connectHandler;

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kClosingPointSize = 12;

} // namespace

Tdiagno::Tdiagno(const loco::KnowledgeSet& knowledge, loco::DiagnosisServices services,
    const QList<loco::ReportCommands::Command>& commands, QWidget* parent)
    : FormWindow(parent), knowledge_(knowledge), ui(std::make_unique<Ui::Tdiagno>()), services_(std::move(services))
{
    ui->setupUi(content());
    finishDefinition();
    FormCreate();
    answers_ = new loco::AnswerRecorder(this, {ui->RichEdit2, ui->RichEdit1, ui->BITBTN1, ui->BITBTN2});
    session_ = new loco::DiagnosisSession(knowledge,
        {ui->RadioGroup1, ui->BitBtn8, ui->BitBtn7, ui->BITBTN1, ui->BITBTN2, ui->RichEdit2, ui->RichEdit1}, *answers_,
        this);
    connectHandler(ui->RadioGroup1, &RadioGroup::clicked, this, &Tdiagno::RadioGroup1Click);
    connectHandler(ui->BitBtn8, &QPushButton::clicked, this, &Tdiagno::BitBtn8Click);
    connectAnswer(ui->BITBTN1, loco::Answer::Ya, &Tdiagno::BITBTN1Click);
    connectAnswer(ui->BITBTN2, loco::Answer::Tidak, &Tdiagno::BITBTN2Click);
    connectHandler(ui->BitBtn7, &QPushButton::clicked, this, &Tdiagno::BitBtn7Click);
    connectHandler(ui->BitBtn4, &QPushButton::clicked, this, &Tdiagno::BitBtn4Click);

    // A new path starts with every choice of a system, "Mulai" and "Ulangi".
    const auto restart = [this] { answers_->restart(); };
    connect(ui->RadioGroup1, &RadioGroup::clicked, this, restart);
    connect(ui->BitBtn8, &QPushButton::clicked, this, restart);
    connect(ui->BitBtn7, &QPushButton::clicked, this, restart);

    auto* reports = new loco::ReportCommands(
        this, [this] { return report(); }, commands);
    reports->addBoxCommand(ui->RichEdit2,
        {QStringLiteral("Kembali satu pertanyaan"), QKeySequence(Qt::Key_Backspace),
            [this] { return !answers_->path().steps().empty(); }, [this] { answers_->takeBack(); }});
    addCompanionCommands(reports);
}

// The companion opens beside the window by F2, with its search by Ctrl+F,
// and from every context menu; the results box's menu leads to the
// procedures linked to the conclusion it shows.
void Tdiagno::addCompanionCommands(loco::ReportCommands* commands)
{
    const auto open = [this](bool search) { return [this, search] { services_.openCompanion(search); }; };
    loco::addShortcut(this, {Qt::Key_F2}, open(false));
    loco::addShortcut(this, {QKeySequence::Find}, open(true));
    commands->addWindowCommand({QStringLiteral("Jejak diagnosa"), QKeySequence(Qt::Key_F2), {}, open(false)});
    commands->addWindowCommand({QStringLiteral("Cari gejala…"), QKeySequence::Find, {}, open(true)});
    commands->addBoxCommands(ui->RichEdit1, [this] {
        QList<loco::ReportCommands::BoxCommand> shown;
        const auto ending = session_->ending();
        if (!ending)
            return shown;
        const loco::System system = *session_->system();
        const loco::Outcome& outcome = loco::endingOf(knowledge_[system], *ending);
        if (outcome.kind != loco::Outcome::Kind::Conclusion)
            return shown;
        const std::string& heading = knowledge_[system].headings()[outcome.target].text;
        for (const loco::ProcedureCommand& command :
            loco::procedureCommands(services_.links, services_.procedures, system, heading, outcome.cause))
            shown.append({command.text, {}, {},
                [this, procedure = command.procedure] { services_.procedures.open(procedure); }});
        return shown;
    });
}

// The path is recorded around the answer handlers, which stay as defined.
void Tdiagno::connectAnswer(QAbstractButton* button, loco::Answer answer, void (Tdiagno::*handler)())
{
    connect(button, &QAbstractButton::clicked, this,
        [this, answer, handler] { loco::runGuarded([&] { answers_->answer(answer, [&] { (this->*handler)(); }); }); });
}

Tdiagno::~Tdiagno() = default;

void Tdiagno::FormCreate()
{
    ui->BITBTN1->setEnabled(false);
    ui->BITBTN2->setEnabled(false);
}

void Tdiagno::RadioGroup1Click()
{
    ui->BitBtn8->setVisible(true);
    ui->RichEdit2->setLine(0, QString());
    ui->BitBtn8->setEnabled(true);
    ui->RichEdit1->clearLines();
    ui->BitBtn7->setVisible(true);
    ui->BITBTN1->setEnabled(false);
    ui->BITBTN2->setEnabled(false);
    ui->RichEdit2->setLine(0, QStringLiteral("silahkan tekan tombol mulai untuk mendiagnosis "));
}

void Tdiagno::BitBtn8Click()
{
    ui->BitBtn7->setVisible(false);
    ui->BITBTN1->setEnabled(true);
    ui->BITBTN2->setEnabled(true);
    ui->BitBtn8->setEnabled(false);
    ui->BITBTN1->setVisible(true);
    ui->BITBTN2->setVisible(true);
    ui->BitBtn8->setVisible(false);
    ui->RichEdit2->setLine(0, fromUtf8(knowledge_.startQuestion(ui->RadioGroup1->itemIndex())));
    ui->RadioGroup1->setEnabled(false);
    ui->BitBtn7->setVisible(true);
}

void Tdiagno::BITBTN1Click()
{
    answer(loco::Answer::Ya);
}

void Tdiagno::BITBTN2Click()
{
    answer(loco::Answer::Tidak);
}

void Tdiagno::BitBtn7Click()
{
    if (ui->RadioGroup1->itemIndex() != -1) {
        ui->RadioGroup1->setItemIndex(-1);
        ui->RadioGroup1->setEnabled(true);
        ui->RichEdit1->setVisible(false);
    }
    ui->BitBtn8->setVisible(false);
    ui->BitBtn7->setVisible(true);
    ui->RichEdit2->setLine(0, QStringLiteral("silahkan pilih jenis kerusakan yang akan didiagnosis yach?"));
}

void Tdiagno::BitBtn4Click()
{
    close();
}

// The question shown and the selected system are the whole state: the
// knowledge base says what this answer leads to, and the window shows it.
void Tdiagno::answer(loco::Answer answer)
{
    const loco::Step step
        = knowledge_.answer(ui->RadioGroup1->itemIndex(), ui->RichEdit2->line(0).toStdString(), answer);
    if (const auto* next = std::get_if<loco::NextQuestion>(&step)) {
        ui->RichEdit2->setLine(0, fromUtf8(next->text));
    } else if (const auto* conclusion = std::get_if<loco::Conclusion>(&step)) {
        writeConclusion(conclusion->pointSize, {fromUtf8(conclusion->heading), fromUtf8(conclusion->cause)});
    } else if (const auto* closing = std::get_if<loco::ClosingText>(&step)) {
        QStringList lines;
        for (const std::string& line : closing->lines)
            lines << fromUtf8(line);
        writeConclusion(kClosingPointSize, lines);
    }
}

void Tdiagno::writeConclusion(int pointSize, const QStringList& lines)
{
    ui->RichEdit2->setLine(0, QStringLiteral("lihat hasil diagnosa "));
    ui->RichEdit1->setVisible(true);
    ui->BITBTN1->setEnabled(false);
    ui->BITBTN2->setEnabled(false);
    ui->RichEdit1->setAppendFontSize(pointSize);
    ui->RichEdit1->setAppendFirstLineIndent(2);
    ui->RichEdit1->appendLine(QStringLiteral("HASIL DIAGNOSA: "));
    ui->RichEdit1->setAppendFirstLineIndent(12);
    ui->RichEdit1->appendLine(QString());
    ui->RichEdit1->setAppendFirstLineIndent(12);
    for (const QString& line : lines)
        ui->RichEdit1->appendLine(line);
}
