#pragma once

#include "records/job_card.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;
namespace Ui {
class JobCardDialog;
}

// "Kartu kerja": the locomotive number (required), depot, technician,
// checker, the work done, notes and a status. A number that cannot be
// filed keeps the dialog open and says why under the field; the focus goes
// back to it, with the reason as its description for screen readers.
class JobCardDialog : public QDialog {
    Q_OBJECT

public:
    JobCardDialog(const loco::records::JobCardRequest& request, QWidget* parent = nullptr);
    ~JobCardDialog() override;

    // What was filled in, once accepted.
    const loco::records::JobCardAnswer& answer() const { return answer_; }

    void SaveButtonClick();
    void SavePrintButtonClick();
    void SavePdfButtonClick();

private:
    void finish(loco::records::AfterFiling after);
    // Shows the number as it is filed, or why it cannot be.
    bool checkNumber();
    void keepWithinLimit(QPlainTextEdit* box, QLabel* note);

    std::unique_ptr<Ui::JobCardDialog> ui;
    loco::records::JobCardAnswer answer_;
};
