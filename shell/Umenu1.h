#pragma once

#include "toolkit/form_window.h"

#include <functional>
#include <memory>

namespace Ui {
class Tmenu1;
}

// The main menu: opens the five tool windows and ends the program; its
// added entry "Riwayat & Jadwal" opens the workshop records.
class Tmenu1 : public FormWindow {
    Q_OBJECT

public:
    explicit Tmenu1(std::function<void()> showRecords, QWidget* parent = nullptr);
    ~Tmenu1() override;

    void SpeedButton4Click();
    void SpeedButton3Click();
    void SpeedButton2Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void Close1Click();
    void RecordsButtonClick();

private:
    std::unique_ptr<Ui::Tmenu1> ui;
    std::function<void()> showRecords_;
};
