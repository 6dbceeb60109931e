#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class TPM;
}

class TPM : public FormWindow {
    Q_OBJECT

public:
    explicit TPM(QWidget* parent = nullptr);
    ~TPM() override;

private:
    std::unique_ptr<Ui::TPM> ui;
};
