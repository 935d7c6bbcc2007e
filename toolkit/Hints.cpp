#include "toolkit/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace toolkit {

HintSwitch::HintSwitch(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

void HintSwitch::setOn(bool on) {
    on_ = on;
    if (!on_) QToolTip::hideText();
}

QString HintSwitch::shownText(const QString& hint) {
    QString text = hint;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString HintSwitch::hintFor(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->toolTip().isEmpty()) return shownText(w->toolTip());
    return {};
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType() || !window_) return false;
    auto* control = static_cast<QWidget*>(watched);
    if (control->window() != window_) return false;
    const QString hint = on_ ? hintFor(control) : QString();
    if (hint.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint, control);
    }
    return true;
}

}  // namespace toolkit
