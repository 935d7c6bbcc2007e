#include "forms/Mainres.h"

#include "forms/Aboutres.h"
#include "forms/Selcolor.h"
#include "forms/Text.h"
#include "forms/Tolcolor.h"
#include "toolkit/Accelerators.h"
#include "toolkit/Activation.h"
#include "toolkit/Colour.h"
#include "toolkit/ColourPanel.h"
#include "toolkit/Hints.h"
#include "toolkit/ItemList.h"
#include "toolkit/Layout.h"
#include "toolkit/MenuItem.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PaintBox.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/Windows.h"
#include "ui_Mainres.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <exception>
#include <string>

using ringcode::clBody;
using ringcode::RingColourId;

namespace {

// What the component kind relabels: the multiplier buttons and the value box.
struct KindTexts {
    const char* mohm;
    const char* kohm;
    const char* ohm;
    const char* valueBox;
};
constexpr KindTexts resistorTexts{"Мом", "Ком", "ом", "Резистор"};
constexpr KindTexts capacitorTexts{"Мкф", "Нф", "Пф", "Конденсатор"};

constexpr ringcode::Colour colourOf(RingColourId id) { return ringcode::ringColour(id).value; }

QString ringColourText(ringcode::Colour colour) {
    if (const ringcode::RingColour* entry = ringcode::findRingColour(colour)) return qtext(entry->caption);
    return toolkit::toQColor(colour).name();
}

// What a screen reader calls a ring: its hint, then its colour by the caption
// the colour table gives it.
QString valueRingName(const QString& label, ringcode::Colour colour) {
    return label + QStringLiteral(": ") + (ringcode::isSet(colour) ? ringColourText(colour) : QStringLiteral("не задано"));
}

// The tolerance ring by the caption of its tolerance step; the body colour is
// the step without a ring.
QString toleranceRingName(const QString& label, ringcode::Colour colour) {
    for (const ringcode::ToleranceStep& step : ringcode::toleranceSteps)
        if (step.ring == colour) return label + QStringLiteral(": ") + qtext(step.caption);
    return label + QStringLiteral(": ") + ringColourText(colour);
}

}  // namespace

TMainform::TMainform(toolkit::Activation& activation, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TMainform>()), activation_(activation) {
    ui_->setupUi(this);
    toolkit::applyLayout(this);
    QStringList tolerances;
    for (const ringcode::ToleranceStep& step : ringcode::toleranceSteps) tolerances << qtext(step.listText);
    ui_->Tolerance->setItems(tolerances);
    for (toolkit::ColourPanel* ring : {ui_->Ring1, ui_->Ring2, ui_->Ring3, ui_->Ring4}) {
        const QString label = ring->toolTip();
        ring->setNaming([label](ringcode::Colour colour) { return valueRingName(label, colour); });
    }
    const QString toleranceLabel = ui_->Ring5->toolTip();
    ui_->Ring5->setNaming([toleranceLabel](ringcode::Colour colour) { return toleranceRingName(toleranceLabel, colour); });
    for (toolkit::ColourPanel* ring : {ui_->Ring1, ui_->Ring2, ui_->Ring3, ui_->Ring4, ui_->Ring5})
        ring->setColour(clBody);
    toolkit::fixWindowSize(this);
    toolkit::centreOnFirstShow(this);
    toolkit::keepRadioTabStops(this);
    hints_ = new toolkit::HintSwitch(this);
    accelerators_ = new toolkit::WindowAccelerators(this);

    connect(ui_->PB1, &toolkit::PaintBox::paint, this, &TMainform::PB1Paint);
    connect(ui_->Ring1, &toolkit::ColourPanel::clicked, this, &TMainform::Ring1Click);
    connect(ui_->Ring2, &toolkit::ColourPanel::clicked, this, &TMainform::Ring2Click);
    connect(ui_->Ring3, &toolkit::ColourPanel::clicked, this, &TMainform::Ring3Click);
    connect(ui_->Ring4, &toolkit::ColourPanel::clicked, this, &TMainform::Ring4Click);
    connect(ui_->Ring5, &toolkit::ColourPanel::clicked, this, &TMainform::Ring5Click);
    // A radio button's click is its becoming checked.
    connect(ui_->N4colorrings, &QRadioButton::toggled, this, [this](bool on) {
        if (on) N4colorringsClick();
    });
    connect(ui_->N5colorrings, &QRadioButton::toggled, this, [this](bool on) {
        if (on) N5colorringsClick();
    });
    connect(ui_->Tolerance, &toolkit::ItemList::changed, this, &TMainform::ToleranceChange);
    connect(ui_->Calculate, &QPushButton::clicked, this, &TMainform::CalculateClick);
    toolkit::onMenuClick(ui_->Exit1, [this] { Exit1Click(); });
    toolkit::onMenuClick(ui_->Resistor1, [this] { Resistor1Click(); });
    toolkit::onMenuClick(ui_->Capasitor1, [this] { Capasitor1Click(); });
    toolkit::onMenuClick(ui_->ShowToolTips1, [this] { ShowToolTips1Click(); });
    toolkit::onMenuClick(ui_->About1, [this] { About1Click(); });

    // The first tab stop has the focus when the window first becomes active.
    ui_->N4colorrings->setFocus();
    FormCreate();
}

TMainform::~TMainform() = default;

void TMainform::setDialogs(Tselectcolor& colours, TTolform& tolerances, TAboutBox& about) {
    selectcolor = &colours;
    Tolform = &tolerances;
    AboutBox = &about;
}

std::array<TMainform::ValueRing, 4> TMainform::valueRings() {
    return {{{ui_->Ring1, &code1}, {ui_->Ring2, &code2}, {ui_->Ring3, &code3}, {ui_->Ring4, &code4}}};
}

ringcode::Kind TMainform::kind() const {
    return ui_->Resistor1->isChecked() ? ringcode::Kind::resistor : ringcode::Kind::capacitor;
}

void TMainform::FormCreate() { ringcount = 4; }

void TMainform::FormActivate() {
    const ringcode::RingColour& brown = ringcode::ringColour(RingColourId::brown);
    if (selectcolor->pickedcolor == colourOf(RingColourId::black) && activering == 1) {
        selectcolor->pickedcolor = brown.value;
        selectcolor->pickedcode = brown.code;
    }
    if (Tolform->pickedcolor == 0) Tolform->pickedcolor = clBody;
    ui_->Ring5->setColour(Tolform->pickedcolor);
    ui_->Tolerance->setItemIndex(Tolform->pickedindex);
    if (activering >= 1 && activering <= 4) {
        const ValueRing ring = valueRings()[activering - 1U];
        ring.panel->setColour(selectcolor->pickedcolor);
        *ring.code = selectcolor->pickedcode;
    }
    const ringcode::Colour ring3 = ui_->Ring3->colour();
    if (ringcount == 5 && (ring3 == colourOf(RingColourId::gold) || ring3 == colourOf(RingColourId::silver)))
        ui_->Ring3->setColour(clBody);
    if (ringcode::isSet(ui_->Ring1->colour()) && ringcode::isSet(ui_->Ring2->colour()) &&
        ringcode::isSet(ui_->Ring3->colour()) && (ui_->Ring4->isHidden() || ringcode::isSet(ui_->Ring4->colour())))
        calcvalue();
    else
        showChooseColours();
}

void TMainform::showChooseColours() {
    ui_->textfield->show();
    ui_->enhet->hide();
    ui_->dec->hide();
    ui_->dot->hide();
    ui_->value->hide();
    nameValueArea();
}

// A screen reader reads the value area as one text under its title, not as
// four scattered labels.
void TMainform::nameValueArea() {
    const QString shown = ui_->textfield->isHidden()
                              ? ui_->value->text() + ui_->dot->text() + ui_->dec->text() + ui_->enhet->text()
                              : ui_->textfield->text();
    ui_->GroupBox2->setAccessibleName(ui_->GroupBox2->title() + QStringLiteral(": ") + shown);
}

void TMainform::calcvalue() {
    const ringcode::RingState rings{.ringcount = ringcount,
                                    .code1 = code1,
                                    .code2 = code2,
                                    .code3 = code3,
                                    .code4 = code4,
                                    .ring3 = ui_->Ring3->colour(),
                                    .ring4 = ui_->Ring4->colour(),
                                    .kind = kind()};
    const std::optional<ringcode::Reading> reading = ringcode::readRings(rings);
    if (!reading) {
        // Colours that no reading allows (a digit colour left on a multiplier
        // ring by a stale pick): there is no value to show.
        showChooseColours();
        return;
    }
    ui_->dec->show();
    ui_->textfield->hide();
    ui_->enhet->show();
    ui_->value->show();
    ui_->dot->show();
    ui_->value->setText(qtext(reading->value));
    ui_->dot->setText(qtext(reading->dot));
    ui_->dec->setText(qtext(reading->dec));
    ui_->enhet->setText(qtext(reading->enhet));
    nameValueArea();
    code3 = reading->code3;
    code4 = reading->code4;
}

void TMainform::roundvalue() {
    const std::array<ringcode::Code, 4> codes = ringcode::roundvalue({code1, code2, code3, code4}, ringcount);
    code1 = codes[0];
    code2 = codes[1];
    code3 = codes[2];
    code4 = codes[3];
}

void TMainform::ringClick(int ring) {
    activering = static_cast<std::uint8_t>(ring);
    // Ring 4 can be clicked only with five rings, where it is the multiplier.
    selectcolor->offer(ringcode::offeredColours(ring, ring == 4 ? std::uint8_t{5} : ringcount));
    selectcolor->move(pos() + QPoint(17, 30));
    activation_.show(selectcolor);
    selectcolor->setWindowTitle(QStringLiteral("Кольцо%1").arg(ring));
    const ValueRing target = valueRings()[static_cast<std::size_t>(ring - 1)];
    selectcolor->pickedcolor = target.panel->colour();
    selectcolor->pickedcode = *target.code;
}

void TMainform::Ring1Click() { ringClick(1); }
void TMainform::Ring2Click() { ringClick(2); }
void TMainform::Ring3Click() { ringClick(3); }
void TMainform::Ring4Click() { ringClick(4); }

void TMainform::Ring5Click() {
    Tolform->move(pos() + QPoint(136, 30));
    activation_.show(Tolform);
    Tolform->pickedcolor = ui_->Ring5->colour();
    Tolform->pickedindex = static_cast<std::uint8_t>(ui_->Tolerance->itemIndex() & 0xFF);
}

void TMainform::N4colorringsClick() {
    ringcount = 4;
    ui_->Ring4->hide();
    activering = 0;
    const ringcode::Colour ring3 = ui_->Ring3->colour();
    if (ring3 == colourOf(RingColourId::white) || ring3 == colourOf(RingColourId::gray)) {
        // No multiplier colours: the activation below clears ring 3.
        activering = 3;
        selectcolor->pickedcolor = clBody;
    }
    FormActivate();
}

void TMainform::N5colorringsClick() {
    ringcount = 5;
    ui_->Ring4->show();
    ui_->Ring4->setColour(clBody);
    activering = 0;
    FormActivate();
}

void TMainform::setKind(ringcode::Kind newKind) {
    const bool resistor = newKind == ringcode::Kind::resistor;
    ui_->Resistor1->setChecked(resistor);
    ui_->Capasitor1->setChecked(!resistor);
    const KindTexts& texts = resistor ? resistorTexts : capacitorTexts;
    ui_->Mohm->setText(QString::fromUtf8(texts.mohm));
    ui_->Kohm->setText(QString::fromUtf8(texts.kohm));
    ui_->ohm->setText(QString::fromUtf8(texts.ohm));
    ui_->GroupBox2->setTitle(QString::fromUtf8(texts.valueBox));
    activering = 0;
    FormActivate();
}

void TMainform::Resistor1Click() { setKind(ringcode::Kind::resistor); }
void TMainform::Capasitor1Click() { setKind(ringcode::Kind::capacitor); }

void TMainform::ToleranceChange() {
    const int index = ui_->Tolerance->itemIndex();
    if (const std::optional<ringcode::Colour> ring = ringcode::toleranceColour(index)) Tolform->pickedcolor = *ring;
    Tolform->pickedindex = static_cast<std::uint8_t>(index & 0xFF);
    FormActivate();
}

void TMainform::ShowToolTips1Click() {
    ui_->ShowToolTips1->setChecked(!ui_->ShowToolTips1->isChecked());
    hints_->setOn(ui_->ShowToolTips1->isChecked());
}

void TMainform::Exit1Click() { QCoreApplication::exit(0); }

void TMainform::About1Click() { activation_.show(AboutBox); }

void TMainform::CalculateClick() {
    const auto refuse = [] {
        toolkit::messageBox(qtext(ringcode::refusalText), qtext(ringcode::refusalTitle));
    };
    try {
        const std::string entry = ui_->Entervalue->text().toStdString();
        ringcode::Multiplier multiplier = ringcode::Multiplier::ohm;
        if (ui_->Kohm->isChecked()) multiplier = ringcode::Multiplier::kohm;
        if (ui_->Mohm->isChecked()) multiplier = ringcode::Multiplier::mohm;
        const std::optional<ringcode::Finding> finding = ringcode::findRings({.entry = entry,
                                                                               .multiplier = multiplier,
                                                                               .round = ui_->round->isChecked(),
                                                                               .ringcount = ringcount,
                                                                               .kind = kind()});
        if (!finding) {
            refuse();
            return;
        }
        ui_->actualvalue->setText(qtext(finding->actualvalue));
        const std::array<ValueRing, 4> rings = valueRings();
        for (std::size_t i = 0; i < rings.size(); ++i) {
            *rings[i].code = finding->codes[i];
            rings[i].panel->setColour(finding->colours[i]);
        }
        calcvalue();
        // The colour dialog's last result would otherwise come back over the
        // found ring at the next activation; it now holds what that ring shows.
        if (activering >= 1 && activering <= 4) {
            const ValueRing ring = rings[activering - 1U];
            selectcolor->pickedcolor = ring.panel->colour();
            selectcolor->pickedcode = *ring.code;
        }
    } catch (const std::exception&) {
        refuse();
    }
}

void TMainform::PB1Paint(toolkit::Canvas& canvas) {
    canvas.setPenWidth(2);
    canvas.line({10, 36}, {33, 36});
    canvas.rectangle(33, 23, 137, 50);
    canvas.line({137, 36}, {160, 36});
    canvas.setBrushColour(toolkit::toQColor(clBody));
    canvas.fillRect(34, 24, 135, 48);
}

void TMainform::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::exit(0);
}
