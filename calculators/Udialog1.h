#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class TDIALOG1;
}

class TDIALOG1 : public FormWindow {
    Q_OBJECT

public:
    explicit TDIALOG1(QWidget* parent = nullptr);
    ~TDIALOG1() override;

private:
    std::unique_ptr<Ui::TDIALOG1> ui;
};
