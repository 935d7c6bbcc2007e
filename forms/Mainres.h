// The main window: the drawn resistor with its rings, the value area, the
// entry area, the tolerance list and the menu. Its state is a few bytes here
// and the colours, check marks and list index of its controls; its handlers
// read the controls, call the engine and write the controls.
#pragma once

#include "engine/ringcode.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>

namespace Ui {
class TMainform;
}
namespace toolkit {
class Activation;
class Canvas;
class ColourPanel;
class HintSwitch;
class WindowAccelerators;
}  // namespace toolkit
class Tselectcolor;
class TTolform;
class TAboutBox;

class TMainform : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainform(toolkit::Activation& activation, QWidget* parent = nullptr);
    ~TMainform() override;

    // The dialogs exist before the window is first shown, since its first
    // activation reads their result fields.
    void setDialogs(Tselectcolor& colours, TTolform& tolerances, TAboutBox& about);

    std::uint8_t ringcount = 0;
    ringcode::Code code1 = 0;
    ringcode::Code code2 = 0;
    ringcode::Code code3 = 0;
    ringcode::Code code4 = 0;
    // The ring (1 to 4) the colour dialog's result belongs to; 0 for none.
    std::uint8_t activering = 0;

    void FormCreate();
    void FormActivate();
    void Ring1Click();
    void Ring2Click();
    void Ring3Click();
    void Ring4Click();
    void Ring5Click();
    void N4colorringsClick();
    void N5colorringsClick();
    void Resistor1Click();
    void Capasitor1Click();
    void ToleranceChange();
    void ShowToolTips1Click();
    void Exit1Click();
    void About1Click();
    void CalculateClick();
    void calcvalue();
    void roundvalue();
    void PB1Paint(toolkit::Canvas& canvas);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct ValueRing {
        toolkit::ColourPanel* panel;
        ringcode::Code* code;
    };
    std::array<ValueRing, 4> valueRings();
    void ringClick(int ring);
    void setKind(ringcode::Kind kind);
    void showChooseColours();
    void nameValueArea();
    ringcode::Kind kind() const;

    std::unique_ptr<Ui::TMainform> ui_;
    toolkit::Activation& activation_;
    toolkit::HintSwitch* hints_ = nullptr;                  // owned by the window
    toolkit::WindowAccelerators* accelerators_ = nullptr;  // likewise
    Tselectcolor* selectcolor = nullptr;
    TTolform* Tolform = nullptr;
    TAboutBox* AboutBox = nullptr;
};
