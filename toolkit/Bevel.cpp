#include "toolkit/Bevel.h"

#include <QPainter>

namespace toolkit {

Bevel::Bevel(QWidget* parent) : QWidget(parent) {
    // A frame only: clicks and hints belong to what lies under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::setShape(Shape shape) {
    shape_ = shape;
    update();
}

void Bevel::setStyle(Style style) {
    style_ = style;
    update();
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor first = style_ == Raised ? light : dark;
    const QColor second = style_ == Raised ? dark : light;
    const QRect r = rect();
    if (shape_ == TopLine) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), first);
        p.fillRect(QRect(r.left(), r.top() + 1, r.width(), 1), second);
        return;
    }
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), first);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), first);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), second);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), second);
}

}  // namespace toolkit
