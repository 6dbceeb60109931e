#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class TTUNEUP;
}

class TTUNEUP : public FormWindow {
    Q_OBJECT

public:
    explicit TTUNEUP(QWidget* parent = nullptr);
    ~TTUNEUP() override;

private:
    std::unique_ptr<Ui::TTUNEUP> ui;
};
