#include "records/JobCardDialog.h"

#include "records/core/locomotive_number.h"
#include "toolkit/accessibility.h"
#include "toolkit/focus_ring.h"
#include "toolkit/handler_guard.h"
#include "ui_JobCardDialog.h"

#include <QAccessible>
#include <QCompleter>
#include <QSignalBlocker>

using loco::connectHandler;
using namespace loco::records;

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string plain(const QString& text)
{
    return text.toStdString();
}

// Tells a screen reader that the control's description changed: it reads it
// with the control when the focus comes back.
void announceDescription(QWidget* control, const QString& text)
{
    control->setAccessibleDescription(text);
    QAccessibleEvent changed(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace

JobCardDialog::JobCardDialog(const JobCardRequest& request, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::JobCardDialog>())
{
    ui->setupUi(this);
    ui->WhatLabel->setText(request.what);
    ui->WhatLabel->setVisible(!request.what.isEmpty());
    QFont bold = ui->WhatLabel->font();
    bold.setBold(true);
    ui->WhatLabel->setFont(bold);
    for (QLabel* note : {ui->LocomotiveProblem, ui->WorkDoneLimit, ui->NotesLimit}) {
        note->hide();
        QPalette red = note->palette();
        red.setColor(QPalette::WindowText, QColor(0xA0, 0x00, 0x00));
        note->setPalette(red);
    }

    const JobCard& card = request.card;
    ui->LocomotiveEdit->setText(qt(card.locomotive));
    ui->DepotEdit->setText(qt(card.depot));
    ui->TechnicianEdit->setText(qt(card.technician));
    ui->CheckerEdit->setText(qt(card.checker));
    for (QLineEdit* name : {ui->DepotEdit, ui->TechnicianEdit, ui->CheckerEdit})
        name->setMaxLength(int(kMaxNameLength));
    ui->WorkDoneEdit->setPlainText(qt(card.workDone));
    ui->NotesEdit->setPlainText(qt(card.notes));
    ui->FollowUpChoice->setChecked(card.status == WorkStatus::FollowUp);
    auto* completer = new QCompleter(request.knownNumbers, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    ui->LocomotiveEdit->setCompleter(completer);
    setMinimumWidth(520);

    loco::applyAccessibleNames(this);
    new loco::FocusRing(this);
    connectHandler(ui->SaveButton, &QPushButton::clicked, this, &JobCardDialog::SaveButtonClick);
    connectHandler(ui->SavePrintButton, &QPushButton::clicked, this, &JobCardDialog::SavePrintButtonClick);
    connectHandler(ui->SavePdfButton, &QPushButton::clicked, this, &JobCardDialog::SavePdfButtonClick);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // Leaving the field shows the number as it will be filed; once refused,
    // the reason follows the typing until the number is good.
    connect(ui->LocomotiveEdit, &QLineEdit::editingFinished, this, [this] {
        if (!ui->LocomotiveEdit->text().isEmpty())
            checkNumber();
    });
    connect(ui->LocomotiveEdit, &QLineEdit::textEdited, this, [this] {
        if (!ui->LocomotiveProblem->isHidden()
            && normaliseLocomotiveNumber(plain(ui->LocomotiveEdit->text())).accepted()) {
            ui->LocomotiveProblem->hide();
            announceDescription(ui->LocomotiveEdit, {});
        }
    });
    connect(ui->WorkDoneEdit, &QPlainTextEdit::textChanged, this,
        [this] { keepWithinLimit(ui->WorkDoneEdit, ui->WorkDoneLimit); });
    connect(
        ui->NotesEdit, &QPlainTextEdit::textChanged, this, [this] { keepWithinLimit(ui->NotesEdit, ui->NotesLimit); });
    ui->LocomotiveEdit->setFocus(Qt::OtherFocusReason);
    ui->LocomotiveEdit->selectAll();
}

JobCardDialog::~JobCardDialog()
{
    // The field loses the focus as the dialog goes, after ui.
    disconnect(ui->LocomotiveEdit, nullptr, this, nullptr);
}

void JobCardDialog::SaveButtonClick()
{
    finish(AfterFiling::Nothing);
}

void JobCardDialog::SavePrintButtonClick()
{
    finish(AfterFiling::Print);
}

void JobCardDialog::SavePdfButtonClick()
{
    finish(AfterFiling::SavePdf);
}

bool JobCardDialog::checkNumber()
{
    QLineEdit* edit = ui->LocomotiveEdit;
    const LocomotiveNumber number = normaliseLocomotiveNumber(plain(edit->text()));
    if (number.accepted()) {
        if (edit->text() != qt(number.number))
            edit->setText(qt(number.number));
        ui->LocomotiveProblem->hide();
        announceDescription(edit, {});
        return true;
    }
    ui->LocomotiveProblem->setText(qt(number.refusal));
    ui->LocomotiveProblem->show();
    announceDescription(edit, ui->LocomotiveProblem->text());
    return false;
}

void JobCardDialog::finish(AfterFiling after)
{
    if (!checkNumber()) {
        ui->LocomotiveEdit->setFocus(Qt::OtherFocusReason);
        ui->LocomotiveEdit->selectAll();
        return;
    }
    JobCard& card = answer_.card;
    card.locomotive = plain(ui->LocomotiveEdit->text());
    card.depot = plain(ui->DepotEdit->text().trimmed());
    card.technician = plain(ui->TechnicianEdit->text().trimmed());
    card.checker = plain(ui->CheckerEdit->text().trimmed());
    card.workDone = plain(ui->WorkDoneEdit->toPlainText());
    card.notes = plain(ui->NotesEdit->toPlainText());
    card.status = ui->FollowUpChoice->isChecked() ? WorkStatus::FollowUp : WorkStatus::Done;
    answer_.after = after;
    accept();
}

// Bounded as it is typed or pasted: what goes beyond the limit is cut off,
// and the note under the box says so until the text is shorter again.
void JobCardDialog::keepWithinLimit(QPlainTextEdit* box, QLabel* note)
{
    const QList<uint> characters = box->toPlainText().toUcs4();
    const auto limit = qsizetype(kMaxNotesLength);
    if (characters.size() < limit && !note->isHidden()) {
        note->hide();
        announceDescription(box, {});
    }
    if (characters.size() <= limit)
        return;
    const QSignalBlocker quiet(box);
    box->setPlainText(QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), limit));
    box->moveCursor(QTextCursor::End);
    const QString label = box == ui->NotesEdit ? ui->NotesLabel->text() : ui->WorkDoneLabel->text();
    note->setText(QStringLiteral("%1 paling panjang %2 karakter; selebihnya tidak dimasukkan.").arg(label).arg(limit));
    note->show();
    announceDescription(box, note->text());
}
