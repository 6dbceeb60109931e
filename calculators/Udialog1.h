#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class TDIALOG1;
}

// The notice that the minimum block thickness must stay below the block
// thickness; it informs only and never blocks another window.
class TDIALOG1 : public FormWindow {
    Q_OBJECT

public:
    explicit TDIALOG1(QWidget* parent = nullptr);
    ~TDIALOG1() override;

    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TDIALOG1> ui;
};
