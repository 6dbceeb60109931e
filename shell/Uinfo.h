#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class Tinfo;
}

// The about window.
class Tinfo : public FormWindow {
    Q_OBJECT

public:
    explicit Tinfo(QWidget* parent = nullptr);
    ~Tinfo() override;

    void Panel2Click();
    void Label8Click();

private:
    std::unique_ptr<Ui::Tinfo> ui;
};
