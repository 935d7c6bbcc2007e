#include "forms/Aboutres.h"

#include "toolkit/Layout.h"
#include "toolkit/Windows.h"
#include "ui_Aboutres.h"

#include <QKeyEvent>
#include <QStyle>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    toolkit::applyLayout(this);
    toolkit::toolWindowFrame(this);
    toolkit::centreOnFirstShow(this);
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &TAboutBox::okbtnClick);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::okbtnClick() { close(); }

void TAboutBox::showEvent(QShowEvent* event) {
    // The glyph comes from the icon theme, whose look-up is a fifth of the
    // program's start-up: fetch it when the box is first wanted instead.
    if (ui_->BitBtn1->icon().isNull())
        ui_->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    QDialog::showEvent(event);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    // The box has no cancel button, so Escape does not close it.
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
