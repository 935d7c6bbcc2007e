// A paint box: a control with no look of its own that its owner draws on
// through a canvas each time it is painted.
#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace toolkit {

// Drawing in the old library's terms: a pen (black, of some width), a brush
// colour, lines that leave out their end point and rectangles whose right and
// bottom edges are exclusive. Lines of a wide pen spread width/2 pixels to the
// left of (above) their path and the rest to the right (below), the same way
// for every repaint.
class Canvas {
public:
    Canvas(QPainter& painter, const QColor& brush);

    void setPenWidth(int width);
    void setBrushColour(const QColor& colour);

    // A horizontal or vertical line from `from` up to, not including, `to`.
    void line(QPoint from, QPoint to);
    // Filled with the brush, outlined with the pen.
    void rectangle(int left, int top, int right, int bottom);
    // Filled with the brush, no outline.
    void fillRect(int left, int top, int right, int bottom);

private:
    void band(int left, int top, int right, int bottom);

    QPainter& painter_;
    QColor brush_;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
};

class PaintBox : public QWidget {
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent = nullptr);

signals:
    // Before it is raised the canvas's brush is the box's own colour, that of
    // its container, and its pen is one pixel wide.
    void paint(toolkit::Canvas& canvas);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace toolkit
