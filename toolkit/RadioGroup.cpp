#include "toolkit/RadioGroup.h"

#include <QRadioButton>
#include <QWidget>

namespace toolkit {

namespace {

void update(QRadioButton* button) {
    button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

void keepRadioTabStops(QWidget* window) {
    const auto buttons = window->findChildren<QRadioButton*>();
    for (QRadioButton* button : buttons) {
        update(button);
        QObject::connect(button, &QRadioButton::toggled, button, [button] { update(button); });
    }
}

}  // namespace toolkit
