#include "forms/Selcolor.h"

#include "forms/Text.h"
#include "toolkit/ColourPanel.h"
#include "toolkit/Layout.h"
#include "toolkit/Windows.h"
#include "ui_Selcolor.h"

#include <QCloseEvent>

using ringcode::RingColourId;

Tselectcolor::Tselectcolor(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::Tselectcolor>()) {
    ui_->setupUi(this);
    toolkit::applyLayout(this);
    toolkit::dialogFrame(this);
    for (const ringcode::RingColour& entry : ringcode::ringColours) {
        auto* panel = findChild<toolkit::ColourPanel*>(qtext(entry.panel));
        Q_ASSERT(panel);
        panel->setColour(entry.value);
        panel->setCaption(qtext(entry.caption));
        const RingColourId id = entry.id;
        connect(panel, &toolkit::ColourPanel::clicked, this, [this, id] { pick(id); });
        panels_[static_cast<std::size_t>(id)] = panel;
    }
}

Tselectcolor::~Tselectcolor() = default;

void Tselectcolor::pick(RingColourId id) {
    pickedcolor = panels_[static_cast<std::size_t>(id)]->colour();
    pickedcode = ringcode::ringColour(id).code;
    close();
}

void Tselectcolor::blackClick() { pick(RingColourId::black); }
void Tselectcolor::brownClick() { pick(RingColourId::brown); }
void Tselectcolor::redClick() { pick(RingColourId::red); }
void Tselectcolor::orangeClick() { pick(RingColourId::orange); }
void Tselectcolor::yellowClick() { pick(RingColourId::yellow); }
void Tselectcolor::greenClick() { pick(RingColourId::green); }
void Tselectcolor::blueClick() { pick(RingColourId::blue); }
void Tselectcolor::violetClick() { pick(RingColourId::violet); }
void Tselectcolor::grayClick() { pick(RingColourId::gray); }
void Tselectcolor::whiteClick() { pick(RingColourId::white); }
void Tselectcolor::GoldClick() { pick(RingColourId::gold); }
void Tselectcolor::SilverClick() { pick(RingColourId::silver); }

void Tselectcolor::offer(ringcode::ColourSet colours) {
    for (const ringcode::RingColour& entry : ringcode::ringColours)
        panels_[static_cast<std::size_t>(entry.id)]->setVisible(colours.contains(entry.id));
}

void Tselectcolor::FormClose() { offer(ringcode::standardOffer()); }

void Tselectcolor::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
