#pragma once

#include "toolkit/form_window.h"

#include <memory>

namespace Ui {
class Tawal_menu;
}

// The login window, the program's main window.
class Tawal_menu : public FormWindow {
    Q_OBJECT

public:
    explicit Tawal_menu(QWidget* parent = nullptr);
    ~Tawal_menu() override;

    void Panel2Click();
    void Label2Click();
    void Label3Click();
    void Panel3Click();
    void Button2Click();

private:
    std::unique_ptr<Ui::Tawal_menu> ui;
};
