#pragma once

#include "toolkit/report.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>

#include <functional>

class FormWindow;
class QAction;
class QMenu;

namespace loco {

// Prints the report through the print dialog; "print to file" saves it as
// saveReportPdf does. Nothing happens when the dialog is cancelled.
void printReport(QWidget* parent, const Report& report);
// Saves the report as PDF where the file dialog says, proposing its name.
void saveReportAsPdf(QWidget* parent, const Report& report);

// A window's report commands: Ctrl+P prints and Ctrl+S saves as PDF what the
// window shows, as the window describes it when asked. Both commands are also
// at the end of the context menu of every text box of the window (after the
// box's own items) and of the window's background, which is where a click on
// a disabled control ends up. Owned by the window.
class ReportCommands : public QObject {
    Q_OBJECT

public:
    using Describe = std::function<Report()>;

    // A command on the report that comes from beyond the window (filing it in
    // the workshop records, opening their history): bound to its shortcut in
    // the window and listed after print and save in the same menus. run gets
    // the window and the way to describe its report, which it may not need.
    struct Command {
        QString text;
        QKeySequence shortcut;
        std::function<void(FormWindow* window, const Describe& describe)> run;
    };

    ReportCommands(FormWindow* window, Describe describe, const QList<Command>& more = {});

    // A window's own command in a text box's context menu. The shortcut is
    // only shown there: the window binds it itself.
    struct BoxCommand {
        QString text;
        QKeySequence shortcut;
        std::function<bool()> available; // asked when the menu opens
        std::function<void()> run;
    };
    // Adds a command to the end of one text box's context menu.
    void addBoxCommand(QWidget* box, BoxCommand command);
    // Adds the commands that make asks for when the box's menu opens (they
    // may differ from one time to the next).
    void addBoxCommands(QWidget* box, std::function<QList<BoxCommand>()> make);
    // Adds a command to the end of every context menu of the window.
    void addWindowCommand(BoxCommand command);

    void print();
    void saveAsPdf();

private:
    void showBoxMenu(QWidget* box, QPoint pos);
    void showBackgroundMenu(QPoint pos);
    void addReportActions(QMenu* menu) const;
    // The window's own commands for a box's menu (null: the background's).
    void addCommands(QMenu* menu, QWidget* box);

    FormWindow* window_;
    Describe describe_;
    QAction* print_;
    QAction* save_;
    QList<QAction*> more_;
    // By box; a null box's commands stand in every menu.
    QList<std::pair<QWidget*, std::function<QList<BoxCommand>()>>> boxCommands_;
};

} // namespace loco
