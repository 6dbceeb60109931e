#include "toolkit/dialogs.h"

#include "toolkit/core/seam.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QStandardPaths>

namespace loco {
namespace {

QString showSaveDialog(QWidget* parent, const QString& proposedName)
{
    // The next file is proposed where the last one went.
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const bool table = QFileInfo(proposedName).suffix() == QLatin1String("csv");
    QFileDialog dialog(
        parent, table ? QStringLiteral("Ekspor ke tabel CSV") : QStringLiteral("Simpan laporan sebagai PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(table ? QStringLiteral("Tabel CSV (*.csv)") : QStringLiteral("Dokumen PDF (*.pdf)"));
    dialog.setDefaultSuffix(table ? QStringLiteral("csv") : QStringLiteral("pdf"));
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

bool showQuestionBox(QWidget* parent, const QString& question)
{
    QMessageBox box(
        QMessageBox::Question, QCoreApplication::applicationName(), question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = box.addButton(QStringLiteral("Ya"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Tidak"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

Seam<QString(QWidget*, const QString&)>& saveFileNameSeam()
{
    static Seam<QString(QWidget*, const QString&)> seam(showSaveDialog);
    return seam;
}

Seam<bool(QWidget*, QPrinter&)>& printDialogSeam()
{
    static Seam<bool(QWidget*, QPrinter&)> seam(showPrintDialog);
    return seam;
}

Seam<bool(QWidget*, const QString&)>& questionSeam()
{
    static Seam<bool(QWidget*, const QString&)> seam(showQuestionBox);
    return seam;
}

} // namespace

SaveFileNameAsker setSaveFileNameAsker(SaveFileNameAsker asker)
{
    return saveFileNameSeam().replace(std::move(asker));
}

PrintDialogRunner setPrintDialogRunner(PrintDialogRunner runner)
{
    return printDialogSeam().replace(std::move(runner));
}

QuestionAsker setQuestionAsker(QuestionAsker asker)
{
    return questionSeam().replace(std::move(asker));
}

bool askYesNo(QWidget* parent, const QString& question)
{
    return questionSeam()(parent, question);
}

QString askSaveFileName(QWidget* parent, const QString& proposedName)
{
    return saveFileNameSeam()(parent, proposedName);
}

bool runPrintDialog(QWidget* parent, QPrinter& printer)
{
    return printDialogSeam()(parent, printer);
}

} // namespace loco
