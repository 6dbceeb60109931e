#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class TDM;
}

class TDM : public FormWindow {
    Q_OBJECT

public:
    explicit TDM(QWidget* parent = nullptr);
    ~TDM() override;

private:
    std::unique_ptr<Ui::TDM> ui;
};
