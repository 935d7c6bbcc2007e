// The colour choice dialog: the panels of the ring colours. A click records
// the panel's colour and code and closes the dialog; the main window takes
// the pick over when it is next activated.
#pragma once

#include "engine/ringcode.h"

#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class Tselectcolor;
}
namespace toolkit {
class ColourPanel;
}

class Tselectcolor : public QWidget {
    Q_OBJECT

public:
    explicit Tselectcolor(QWidget* parent = nullptr);
    ~Tselectcolor() override;

    ringcode::Colour pickedcolor = 0;
    ringcode::Code pickedcode = 0;

    void blackClick();
    void brownClick();
    void redClick();
    void orangeClick();
    void yellowClick();
    void greenClick();
    void blueClick();
    void violetClick();
    void grayClick();
    void whiteClick();
    void FormClose();
    void GoldClick();
    void SilverClick();

    // Shows exactly the panels of these colours.
    void offer(ringcode::ColourSet colours);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void pick(ringcode::RingColourId id);

    std::unique_ptr<Ui::Tselectcolor> ui_;
    std::array<toolkit::ColourPanel*, ringcode::ringColourCount> panels_{};
};
