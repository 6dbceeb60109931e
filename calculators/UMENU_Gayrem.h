#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class Tgayrem;
}

class Tgayrem : public FormWindow {
    Q_OBJECT

public:
    explicit Tgayrem(QWidget* parent = nullptr);
    ~Tgayrem() override;

private:
    std::unique_ptr<Ui::Tgayrem> ui;
};
