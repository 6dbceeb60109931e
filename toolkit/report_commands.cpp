#include "toolkit/report_commands.h"

#include "toolkit/dialogs.h"
#include "toolkit/form_window.h"
#include "toolkit/handler_guard.h"
#include "toolkit/report.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextEdit>

#include <utility>

namespace loco {
namespace {

bool isTextBox(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget);
}

// The box's own menu (undo, copy, select all ...), built when it is asked
// for: a menu looks up its icons in the desktop's theme.
QMenu* standardMenu(QWidget* box)
{
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        return edit->createStandardContextMenu();
    if (auto* edit = qobject_cast<QTextEdit*>(box))
        return edit->createStandardContextMenu();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        return edit->createStandardContextMenu();
    return nullptr;
}

// A scroll area reports the menu's position in its viewport.
QPoint globalPosition(QWidget* box, QPoint pos)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(box))
        return area->viewport()->mapToGlobal(pos);
    return box->mapToGlobal(pos);
}

} // namespace

void printReport(QWidget* parent, const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(reportPageLayout());
    printer.setDocName(QFileInfo(proposedFileName(report.fileStem, report.madeAt)).completeBaseName());
    if (!runPrintDialog(parent, printer))
        return;
    // "Print to file" is saved as any report is: QPrinter would write the
    // file as it goes, truncating an existing one before the first page.
    if (!printer.outputFileName().isEmpty())
        saveReportPdf(report, printer.outputFileName(), printer.pageLayout(), printer.pageRanges());
    else
        paintReport(report, printer, printer.pageRanges());
}

void saveReportAsPdf(QWidget* parent, const Report& report)
{
    const QString path = askSaveFileName(parent, proposedFileName(report.fileStem, report.madeAt));
    if (!path.isEmpty())
        saveReportPdf(report, path);
}

ReportCommands::ReportCommands(FormWindow* window, Describe describe, const QList<Command>& more)
    : QObject(window), window_(window), describe_(std::move(describe)),
      print_(new QAction(QStringLiteral("Cetak laporan…"), window)),
      save_(new QAction(QStringLiteral("Simpan laporan sebagai PDF…"), window))
{
    print_->setShortcut(QKeySequence::Print);
    save_->setShortcut(QKeySequence::Save);
    connect(print_, &QAction::triggered, this, [this] { runGuarded([this] { print(); }); });
    connect(save_, &QAction::triggered, this, [this] { runGuarded([this] { saveAsPdf(); }); });
    for (const Command& command : more) {
        auto* action = new QAction(command.text, window);
        action->setShortcut(command.shortcut);
        connect(action, &QAction::triggered, this,
            [this, run = command.run] { runGuarded([&] { run(window_, describe_); }); });
        more_.append(action);
    }
    for (QAction* action : QList<QAction*>{print_, save_} + more_) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }

    for (QWidget* box : window->content()->findChildren<QWidget*>()) {
        if (!isTextBox(box))
            continue;
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box](QPoint pos) { showBoxMenu(box, pos); });
    }
    window->content()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window->content(), &QWidget::customContextMenuRequested, this, &ReportCommands::showBackgroundMenu);
}

void ReportCommands::addBoxCommand(QWidget* box, BoxCommand command)
{
    addBoxCommands(box, [command = std::move(command)] { return QList<BoxCommand>{command}; });
}

void ReportCommands::addBoxCommands(QWidget* box, std::function<QList<BoxCommand>()> make)
{
    boxCommands_.append({box, std::move(make)});
}

void ReportCommands::addWindowCommand(BoxCommand command)
{
    addBoxCommand(nullptr, std::move(command));
}

void ReportCommands::addReportActions(QMenu* menu) const
{
    menu->addAction(print_);
    menu->addAction(save_);
    menu->addActions(more_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
}

void ReportCommands::showBoxMenu(QWidget* box, QPoint pos)
{
    QMenu* menu = standardMenu(box);
    menu->addSeparator();
    addReportActions(menu);
    addCommands(menu, box);
    menu->popup(globalPosition(box, pos));
}

void ReportCommands::addCommands(QMenu* menu, QWidget* box)
{
    bool separated = false;
    for (const auto& [target, make] : boxCommands_) {
        if (target != box && target)
            continue;
        for (const BoxCommand& command : make()) {
            if (!std::exchange(separated, true))
                menu->addSeparator();
            QAction* action = menu->addAction(command.text);
            action->setShortcut(command.shortcut);
            action->setEnabled(!command.available || command.available());
            connect(action, &QAction::triggered, this, [run = command.run] { runGuarded(run); });
        }
    }
}

void ReportCommands::showBackgroundMenu(QPoint pos)
{
    auto* menu = new QMenu(window_);
    addReportActions(menu);
    addCommands(menu, nullptr);
    menu->popup(window_->content()->mapToGlobal(pos));
}

void ReportCommands::print()
{
    printReport(window_, describe_());
}

void ReportCommands::saveAsPdf()
{
    saveReportAsPdf(window_, describe_());
}

} // namespace loco
