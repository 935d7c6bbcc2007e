#include "toolkit/PaintBox.h"

#include <QPainter>

#include <algorithm>

namespace toolkit {

Canvas::Canvas(QPainter& painter, const QColor& brush) : painter_(painter), brush_(brush) {}

void Canvas::setPenWidth(int width) { penWidth_ = std::max(width, 1); }

void Canvas::setBrushColour(const QColor& colour) { brush_ = colour; }

void Canvas::band(int left, int top, int right, int bottom) {
    if (right > left && bottom > top) painter_.fillRect(QRect(left, top, right - left, bottom - top), pen_);
}

void Canvas::line(QPoint from, QPoint to) {
    const int before = penWidth_ / 2;
    const int after = penWidth_ - before;
    if (from.y() == to.y()) {
        // Leaving out the end point: [from, to) going right, (to, from] going left.
        const int left = from.x() <= to.x() ? from.x() : to.x() + 1;
        const int right = from.x() <= to.x() ? to.x() : from.x() + 1;
        band(left, from.y() - before, right, from.y() + after);
    } else if (from.x() == to.x()) {
        const int top = from.y() <= to.y() ? from.y() : to.y() + 1;
        const int bottom = from.y() <= to.y() ? to.y() : from.y() + 1;
        band(from.x() - before, top, from.x() + after, bottom);
    } else {
        QPen pen(pen_, penWidth_, Qt::SolidLine, Qt::FlatCap);
        painter_.save();
        painter_.setPen(pen);
        painter_.drawLine(from, to);
        painter_.restore();
    }
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    fillRect(left, top, right, bottom);
    const int before = penWidth_ / 2;
    const int after = penWidth_ - before;
    // The outline runs along the first and the last pixel row and column.
    band(left - before, top - before, right - 1 + after, top + after);
    band(left - before, bottom - 1 - before, right - 1 + after, bottom - 1 + after);
    band(left - before, top - before, left + after, bottom - 1 + after);
    band(right - 1 - before, top - before, right - 1 + after, bottom - 1 + after);
}

void Canvas::fillRect(int left, int top, int right, int bottom) {
    if (right > left && bottom > top) painter_.fillRect(QRect(left, top, right - left, bottom - top), brush_);
}

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {}

void PaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Canvas canvas(painter, palette().color(QPalette::Window));
    emit paint(canvas);
}

}  // namespace toolkit
