#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class Tdiagno;
}

class Tdiagno : public FormWindow {
    Q_OBJECT

public:
    explicit Tdiagno(QWidget* parent = nullptr);
    ~Tdiagno() override;

private:
    std::unique_ptr<Ui::Tdiagno> ui;
};
