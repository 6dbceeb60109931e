#include "diagnosis/diagnosis_companion.h"

#include "diagnosis/UMENU_DIAGNO.h"
#include "diagnosis/core/candidate_causes.h"
#include "diagnosis/diagnosis_session.h"
#include "toolkit/dialogs.h"
#include "toolkit/handler_guard.h"
#include "toolkit/on_screen.h"
#include "toolkit/rich_text_delegate.h"
#include "ui_diagnosis_companion.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <map>
#include <optional>

using loco::connectHandler;
using loco::RichTextDelegate;

namespace {

// What choosing an item does: the answer to return to, the result to go to,
// the procedure to open (its number, and its kind in kKindRole).
constexpr int kChoiceRole = Qt::UserRole + 1;
constexpr int kKindRole = Qt::UserRole + 2;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString escaped(std::string_view text)
{
    return fromUtf8(text).toHtmlEscaped();
}

// A line under the item's text, smaller.
QString note(const QString& html)
{
    return QStringLiteral("<br><small><i>") + html + QStringLiteral("</i></small>");
}

QString answersStillNeeded(std::size_t answers)
{
    return QStringLiteral("%1 jawaban lagi").arg(answers);
}

QString systemTitle(loco::System system)
{
    const QString caption = fromUtf8(loco::kSystemCaptions[static_cast<std::size_t>(system)]);
    return caption.left(1).toUpper() + caption.mid(1);
}

// The words a search matched in one text, marked.
QString marked(std::string_view text, const std::vector<loco::SymptomSearch::Mark>& marks, std::size_t which)
{
    QString html;
    std::size_t at = 0;
    for (const loco::SymptomSearch::Mark& mark : marks) {
        if (mark.text != which)
            continue;
        html += escaped(text.substr(at, mark.begin - at))
            + QStringLiteral("<b style=\"background:#ffe066;color:#000\">")
            + escaped(text.substr(mark.begin, mark.end - mark.begin)) + QStringLiteral("</b>");
        at = mark.end;
    }
    return html + escaped(text.substr(at));
}

// An item with plain text (what assistive technology reads) and its HTML.
QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const QString& text, const QString& html)
{
    auto* item = new QTreeWidgetItem(parent, {text});
    item->setData(0, RichTextDelegate::kHtmlRole, html);
    return item;
}

QTreeWidgetItem* addItem(QTreeWidget* tree, const QString& text, const QString& html)
{
    auto* item = new QTreeWidgetItem(tree, {text});
    item->setData(0, RichTextDelegate::kHtmlRole, html);
    return item;
}

// A heading or a note that lists items but is not chosen itself.
void makeCaption(QTreeWidgetItem* item)
{
    item->setFlags(Qt::ItemIsEnabled);
    item->setExpanded(true);
}

std::vector<loco::Outline> outlinesOf(const loco::KnowledgeSet& knowledge)
{
    std::vector<loco::Outline> outlines;
    outlines.reserve(loco::kSystemCount);
    for (const loco::System system : loco::kAllSystems)
        outlines.emplace_back(knowledge[system]);
    return outlines;
}

} // namespace

DiagnosisCompanion::DiagnosisCompanion(const loco::ProcedureLinks& links, loco::ProcedureOpener procedures,
    Tdiagno& diagnosis, const QList<loco::ReportCommands::Command>& commands, QWidget* parent)
    : FormWindow(parent), ui(std::make_unique<Ui::DiagnosisCompanion>()), links_(links),
      procedures_(std::move(procedures)), diagnosis_(diagnosis), session_(*diagnosis.session()),
      outlines_(outlinesOf(session_.knowledge())), search_(session_.knowledge(), outlines_)
{
    ui->setupUi(content());
    finishDefinition();
    for (QTreeWidget* tree : {ui->SearchResults, ui->Trail, ui->Candidates, ui->Closings})
        loco::showRichItems(tree);
    ui->ResultsLabel->hide();
    ui->SearchResults->hide();

    connectHandler(ui->SearchField, &QLineEdit::textChanged, this, &DiagnosisCompanion::SearchFieldChange);
    connectHandler(ui->SearchResults, &QTreeWidget::itemActivated, this, &DiagnosisCompanion::SearchResultsActivate);
    connectHandler(ui->Trail, &QTreeWidget::itemActivated, this, &DiagnosisCompanion::TrailActivate);
    connectHandler(ui->Candidates, &QTreeWidget::itemActivated, this, &DiagnosisCompanion::CandidatesActivate);
    ui->SearchField->installEventFilter(this);
    diagnosis_.installEventFilter(this);
    // F2 goes back to the diagnosis window, Ctrl+F to the search field.
    loco::addShortcut(this, {Qt::Key_F2}, [this] { returnToDiagnosis(); });
    loco::addShortcut(this, {QKeySequence::Find}, [this] {
        ui->SearchField->setFocus(Qt::ShortcutFocusReason);
        ui->SearchField->selectAll();
    });
    // "Catat ke riwayat…" and the like, buttons here and the same keys as in
    // the diagnosis window, for the diagnosis it shows.
    ui->CommandsRow->addStretch();
    for (const loco::ReportCommands::Command& command : commands) {
        const auto run = [this, run = command.run] { run(&diagnosis_, [this] { return diagnosis_.report(); }); };
        auto* button = new QPushButton(command.text);
        button->setToolTip(command.shortcut.toString(QKeySequence::NativeText));
        ui->CommandsRow->addWidget(button);
        connect(button, &QPushButton::clicked, this, [run] { loco::runGuarded(run); });
        loco::addShortcut(this, {command.shortcut}, run);
    }
    // Hidden, the window follows nothing; it catches up when shown.
    connect(&session_, &loco::DiagnosisSession::changed, this, [this] {
        if (isVisible())
            loco::runGuarded([this] { followDialogue(); });
    });
}

DiagnosisCompanion::~DiagnosisCompanion() = default;

void DiagnosisCompanion::showBeside(bool search)
{
    if (isHidden()) {
        followDialogue();
        placeBesideDiagnosis();
    }
    showModeless();
    if (search) {
        ui->SearchField->setFocus(Qt::ShortcutFocusReason);
        ui->SearchField->selectAll();
    } else {
        ui->Trail->setFocus(Qt::ShortcutFocusReason);
    }
}

void DiagnosisCompanion::placeBesideDiagnosis()
{
    const QRect other = diagnosis_.frameGeometry();
    // The window manager's frame, as it framed the diagnosis window.
    const QSize frame = other.size() - diagnosis_.size();
    const QRect placed = loco::placeBeside(
        other, QSize(width() + frame.width(), other.height()), diagnosis_.screen()->availableGeometry());
    resize(placed.size() - frame);
    move(placed.topLeft());
}

void DiagnosisCompanion::returnToDiagnosis()
{
    diagnosis_.showModeless();
}

void DiagnosisCompanion::SearchFieldChange()
{
    QTreeWidget* tree = ui->SearchResults;
    tree->clear();
    const bool searching = !ui->SearchField->text().trimmed().isEmpty();
    ui->ResultsLabel->setVisible(searching);
    tree->setVisible(searching);
    const std::vector<loco::SymptomSearch::Result> results = search_.search(ui->SearchField->text().toStdString());
    if (searching && results.empty())
        makeCaption(addItem(tree, QStringLiteral("Tidak ada yang cocok."), {}));
    QTreeWidgetItem* group = nullptr;
    std::optional<loco::System> groupSystem;
    int inGroup = 0;
    const auto closeGroup = [&] {
        if (group)
            group->setData(0, RichTextDelegate::kHtmlRole,
                QStringLiteral("<b>%1</b> — %2 hasil").arg(group->text(0).toHtmlEscaped()).arg(inGroup));
    };
    for (const loco::SymptomSearch::Result& result : results) {
        const loco::SymptomSearch::Entry& entry = search_.entries()[result.entry];
        if (groupSystem != entry.system) {
            closeGroup();
            groupSystem = entry.system;
            group = addItem(tree, systemTitle(entry.system), {});
            makeCaption(group);
            inGroup = 0;
        }
        ++inGroup;
        QTreeWidgetItem* item = entry.conclusion
            ? addItem(group,
                QStringLiteral("Kesimpulan: %1 (%2)")
                    .arg(fromUtf8(entry.texts[1]).trimmed(), fromUtf8(entry.texts[0]).trimmed()),
                QStringLiteral("<b>Kesimpulan:</b> ") + marked(entry.texts[1], result.marks, 1)
                    + note(marked(entry.texts[0], result.marks, 0)))
            : addItem(group, QStringLiteral("Pertanyaan: %1").arg(fromUtf8(entry.texts[0])),
                QStringLiteral("<b>Pertanyaan:</b> ") + marked(entry.texts[0], result.marks, 0));
        item->setData(0, kChoiceRole, QVariant::fromValue(result.entry));
    }
    closeGroup();
}

void DiagnosisCompanion::SearchResultsActivate()
{
    const QTreeWidgetItem* item = ui->SearchResults->currentItem();
    if (!item || !item->data(0, kChoiceRole).isValid())
        return;
    const loco::SymptomSearch::Entry& entry = search_.entries()[item->data(0, kChoiceRole).value<std::size_t>()];
    if (!session_.path().steps().empty()
        && !loco::askYesNo(this, QStringLiteral("Ganti diagnosa yang sedang berjalan?")))
        return;
    session_.replay(entry.system, search_.pathTo(entry));
    returnToDiagnosis();
}

void DiagnosisCompanion::TrailActivate()
{
    const QTreeWidgetItem* item = ui->Trail->currentItem();
    if (!item || !item->data(0, kChoiceRole).isValid())
        return;
    session_.returnTo(item->data(0, kChoiceRole).value<std::size_t>());
    returnToDiagnosis();
}

void DiagnosisCompanion::CandidatesActivate()
{
    const QTreeWidgetItem* item = ui->Candidates->currentItem();
    if (!item || !item->data(0, kChoiceRole).isValid())
        return;
    procedures_.open(
        {static_cast<loco::ProcedureRef::Kind>(item->data(0, kKindRole).toInt()), item->data(0, kChoiceRole).toInt()});
}

void DiagnosisCompanion::followDialogue()
{
    showTrail();
    showCandidates();
}

void DiagnosisCompanion::showTrail()
{
    QTreeWidget* tree = ui->Trail;
    tree->clear();
    const auto& steps = session_.path().steps();
    if (steps.empty())
        makeCaption(addItem(tree, QStringLiteral("Belum ada jawaban."), {}));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const QString answer = steps[i].answer == loco::Answer::Ya ? QStringLiteral("YA") : QStringLiteral("TIDAK");
        const QString question = fromUtf8(steps[i].question);
        const QString via = steps[i].replayed ? QStringLiteral("lewat pencarian") : QString();
        QTreeWidgetItem* item = addItem(tree,
            QStringLiteral("%1. %2 — %3").arg(i + 1).arg(question, answer) + (via.isEmpty() ? QString() : ", " + via),
            QStringLiteral("%1. %2 — <b>%3</b>").arg(i + 1).arg(question.toHtmlEscaped(), answer)
                + (via.isEmpty() ? QString() : note(via)));
        item->setData(0, kChoiceRole, QVariant::fromValue(i));
    }
    if (tree->topLevelItemCount() > 0)
        tree->scrollToItem(tree->topLevelItem(tree->topLevelItemCount() - 1));
}

void DiagnosisCompanion::showCandidates()
{
    ui->Candidates->clear();
    ui->Closings->clear();
    QString count;
    const auto system = session_.system();
    if (!system) {
        count = QStringLiteral("pilih sistem di jendela diagnosa");
    } else if (const auto ending = session_.ending()) {
        const loco::KnowledgeBase& base = session_.knowledge()[*system];
        const loco::Outcome& outcome = loco::endingOf(base, *ending);
        if (outcome.kind == loco::Outcome::Kind::Conclusion) {
            count = QStringLiteral("kesimpulan dicapai");
            QTreeWidgetItem* group = addItem(ui->Candidates, fromUtf8(base.headings()[outcome.target].text),
                escaped(base.headings()[outcome.target].text));
            makeCaption(group);
            addConclusion(group, *system, outcome, {});
        } else {
            count = QStringLiteral("belum terdefinisi");
            const QString closing = fromUtf8(base.closings()[outcome.target].lines.front());
            addItem(ui->Closings, closing, closing.toHtmlEscaped());
        }
    } else {
        const loco::KnowledgeBase& base = session_.knowledge()[*system];
        const loco::Outline& outline = outlines_[static_cast<std::size_t>(*system)];
        // Before "Mulai" the whole system is still possible.
        const loco::Candidates candidates
            = loco::candidatesFrom(base, outline, session_.question().value_or(base.startIndex()));
        count = QStringLiteral("%1 kemungkinan penyebab").arg(candidates.conclusions.size());
        std::map<std::size_t, QTreeWidgetItem*> groups;
        for (const loco::CandidateConclusion& candidate : candidates.conclusions) {
            QTreeWidgetItem*& group = groups[candidate.conclusion.first];
            if (!group) {
                const std::string& heading = outline.headingText(candidate.conclusion);
                group = addItem(ui->Candidates, fromUtf8(heading), escaped(heading));
                makeCaption(group);
            }
            addConclusion(
                group, *system, loco::endingOf(base, candidate.nearest), answersStillNeeded(candidate.answers));
        }
        for (const loco::CandidateClosing& candidate : candidates.closings) {
            const QString closing = fromUtf8(base.closings()[candidate.closing].lines.front());
            addItem(ui->Closings, closing + ", " + answersStillNeeded(candidate.answers),
                closing.toHtmlEscaped() + note(answersStillNeeded(candidate.answers)));
        }
    }
    ui->CandidateCount->setText(count);
    ui->Candidates->setAccessibleDescription(count);
    const bool closings = ui->Closings->topLevelItemCount() > 0;
    ui->ClosingsLabel->setVisible(closings);
    ui->Closings->setVisible(closings);
}

// A conclusion under its heading, with the procedures linked to it.
QTreeWidgetItem* DiagnosisCompanion::addConclusion(
    QTreeWidgetItem* group, loco::System system, const loco::Outcome& outcome, const QString& still)
{
    const QString cause = fromUtf8(outcome.cause);
    QTreeWidgetItem* item = addItem(group, still.isEmpty() ? cause : cause + ", " + still,
        QStringLiteral("<b>%1</b>").arg(cause.toHtmlEscaped()) + (still.isEmpty() ? QString() : note(still)));
    const std::string& heading = session_.knowledge()[system].headings()[outcome.target].text;
    for (const loco::ProcedureCommand& command :
        loco::procedureCommands(links_, procedures_, system, heading, outcome.cause)) {
        QTreeWidgetItem* link = addItem(item, command.text, command.text.toHtmlEscaped());
        link->setData(0, kChoiceRole, command.procedure.number);
        link->setData(0, kKindRole, static_cast<int>(command.procedure.kind));
    }
    item->setExpanded(true);
    return item;
}

// In the search field Down and Enter go to the results, Escape empties it;
// every other key, y, t and Backspace too, edits the text. The window
// closes with the diagnosis window ("Selesai"), not when that is minimized.
bool DiagnosisCompanion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &diagnosis_ && event->type() == QEvent::Hide && !event->spontaneous())
        hide();
    if (watched == ui->SearchField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) && ui->SearchResults->isVisible()) {
            QTreeWidgetItemIterator first(ui->SearchResults, QTreeWidgetItemIterator::Selectable);
            if (*first)
                ui->SearchResults->setCurrentItem(*first);
            ui->SearchResults->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key == Qt::Key_Escape && !ui->SearchField->text().isEmpty()) {
            ui->SearchField->clear();
            return true;
        }
    }
    return FormWindow::eventFilter(watched, event);
}
