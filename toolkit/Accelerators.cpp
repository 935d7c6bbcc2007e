#include "toolkit/Accelerators.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

namespace toolkit {

WindowAccelerators::WindowAccelerators(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool WindowAccelerators::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() || !window_) return false;
    if (static_cast<QWidget*>(watched)->window() != window_) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    const auto actions = window_->findChildren<QAction*>();
    for (const QAction* action : actions) {
        if (action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
            // Refused override: the shortcut goes to the window, the key to no control.
            event->ignore();
            return true;
        }
    }
    return false;
}

}  // namespace toolkit
