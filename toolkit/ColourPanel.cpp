#include "toolkit/ColourPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

namespace {

// One frame line around rect: topLeft on the top and left edges, bottomRight
// on the bottom and right edges.
void frame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

}  // namespace

ColourPanel::ColourPanel(QWidget* parent) : QWidget(parent) {}

Colour ColourPanel::colour() const {
    return colour_ ? *colour_ : fromQColor(palette().color(QPalette::Window));
}

void ColourPanel::setColour(Colour colour) {
    colour_ = colour;
    update();
}

void ColourPanel::setBevel(Bevel bevel) {
    bevel_ = bevel;
    update();
}

void ColourPanel::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void ColourPanel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void ColourPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    p.fillRect(all, colour_ ? toQColor(*colour_) : palette().color(QPalette::Window));
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    QRect inner = all;
    if (bevel_ == Raised) {
        frame(p, inner, light, dark);
        inner.adjust(1, 1, -1, -1);
    } else {
        frame(p, inner, dark, light);
        inner.adjust(1, 1, -1, -1);
        frame(p, inner, dark, light);
        inner.adjust(1, 1, -1, -1);
    }
    if (!caption_.isEmpty()) {
        p.setPen(textColour_.isValid() ? textColour_ : palette().color(QPalette::WindowText));
        p.setFont(font());
        p.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

void ColourPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace toolkit
