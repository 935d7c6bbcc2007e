// The tolerance dialog: the panels of the tolerance ring. A click records the
// ring colour with its index in the main window's tolerance list and closes
// the dialog; the main window takes the pick over when it is next activated.
#pragma once

#include "engine/ringcode.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace Ui {
class TTolform;
}

class TTolform : public QWidget {
    Q_OBJECT

public:
    explicit TTolform(QWidget* parent = nullptr);
    ~TTolform() override;

    // 255 when the main window stored the list's index while it selected none.
    std::uint8_t pickedindex = 0;
    ringcode::Colour pickedcolor = 0;

    void BrownClick();
    void RedClick();
    void GoldClick();
    void SilverClick();
    void GreenClick();
    void NoneClick();

private:
    void pick(std::size_t index);
    void pickPanel(std::string_view panel);

    std::unique_ptr<Ui::TTolform> ui_;
};
