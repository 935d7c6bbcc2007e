#include "forms/Tolcolor.h"

#include "forms/Text.h"
#include "toolkit/ColourPanel.h"
#include "toolkit/Layout.h"
#include "toolkit/Windows.h"
#include "ui_Tolcolor.h"

TTolform::TTolform(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TTolform>()) {
    ui_->setupUi(this);
    toolkit::applyLayout(this);
    toolkit::dialogFrame(this);
    for (std::size_t index = 0; index < ringcode::toleranceSteps.size(); ++index) {
        const ringcode::ToleranceStep& step = ringcode::toleranceSteps[index];
        auto* panel = findChild<toolkit::ColourPanel*>(qtext(step.panel));
        Q_ASSERT(panel);
        panel->setCaption(qtext(step.caption));
        // "No ring" keeps the dialog's own face colour, though it stores the body's.
        if (ringcode::isSet(step.ring)) panel->setColour(step.ring);
        connect(panel, &toolkit::ColourPanel::clicked, this, [this, index] { pick(index); });
    }
}

TTolform::~TTolform() = default;

void TTolform::pick(std::size_t index) {
    pickedcolor = ringcode::toleranceSteps[index].ring;
    pickedindex = static_cast<std::uint8_t>(index);
    close();
}

void TTolform::pickPanel(std::string_view panel) {
    for (std::size_t index = 0; index < ringcode::toleranceSteps.size(); ++index)
        if (ringcode::toleranceSteps[index].panel == panel) pick(index);
}

void TTolform::BrownClick() { pickPanel("Brown"); }
void TTolform::RedClick() { pickPanel("Red"); }
void TTolform::GoldClick() { pickPanel("Gold"); }
void TTolform::SilverClick() { pickPanel("Silver"); }
void TTolform::GreenClick() { pickPanel("Green"); }
void TTolform::NoneClick() { pickPanel("None"); }
