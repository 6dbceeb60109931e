#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class Tumurrem;
}

class Tumurrem : public FormWindow {
    Q_OBJECT

public:
    explicit Tumurrem(QWidget* parent = nullptr);
    ~Tumurrem() override;

private:
    std::unique_ptr<Ui::Tumurrem> ui;
};
