#include "toolkit/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QStandardPaths>

namespace loco {
namespace {

QString showSaveDialog(QWidget* parent, const QString& proposedName)
{
    // The next report is proposed where the last one went.
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(parent, QStringLiteral("Simpan laporan sebagai PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Dokumen PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(folder);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    folder = QFileInfo(path).absolutePath();
    return path;
}

bool showPrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Cetak laporan"));
    return dialog.exec() == QDialog::Accepted;
}

SaveFileNameAsker& currentAsker()
{
    static SaveFileNameAsker asker = showSaveDialog;
    return asker;
}

PrintDialogRunner& currentRunner()
{
    static PrintDialogRunner runner = showPrintDialog;
    return runner;
}

} // namespace

SaveFileNameAsker setSaveFileNameAsker(SaveFileNameAsker asker)
{
    SaveFileNameAsker previous = std::move(currentAsker());
    currentAsker() = asker ? std::move(asker) : SaveFileNameAsker(showSaveDialog);
    return previous;
}

PrintDialogRunner setPrintDialogRunner(PrintDialogRunner runner)
{
    PrintDialogRunner previous = std::move(currentRunner());
    currentRunner() = runner ? std::move(runner) : PrintDialogRunner(showPrintDialog);
    return previous;
}

QString askSaveFileName(QWidget* parent, const QString& proposedName)
{
    return currentAsker()(parent, proposedName);
}

bool runPrintDialog(QWidget* parent, QPrinter& printer)
{
    return currentRunner()(parent, printer);
}

} // namespace loco
