#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The file and print dialogs behind the report commands, and the yes/no
// question. Like the error box, each can be replaced (tests answer them
// instead of blocking).
namespace loco {

// Asks where to save a file, proposing a name; returns the chosen path, or
// an empty one when the user cancels. The default is Qt's save dialog, which
// asks before an existing file is replaced; it offers PDF documents, or CSV
// tables when the proposed name ends in ".csv".
using SaveFileNameAsker = std::function<QString(QWidget* parent, const QString& proposedName)>;
// Lets the user set up the printer; returns whether to print.
using PrintDialogRunner = std::function<bool(QWidget* parent, QPrinter& printer)>;
// Asks a question that "Ya" or "Tidak" answers; returns true for "Ya". The
// default is a message box under the application's title in which "Tidak",
// the answer that changes nothing, is the default and Escape's.
using QuestionAsker = std::function<bool(QWidget* parent, const QString& question)>;

// Each returns the previous one; an empty function restores the default.
SaveFileNameAsker setSaveFileNameAsker(SaveFileNameAsker asker);
PrintDialogRunner setPrintDialogRunner(PrintDialogRunner runner);
QuestionAsker setQuestionAsker(QuestionAsker asker);

QString askSaveFileName(QWidget* parent, const QString& proposedName);
bool runPrintDialog(QWidget* parent, QPrinter& printer);
bool askYesNo(QWidget* parent, const QString& question);

} // namespace loco
