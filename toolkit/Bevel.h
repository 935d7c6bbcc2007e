// A bevel: a one-pixel 3-D box around its rectangle, or a 3-D line along its
// top edge; raised (light over dark) or lowered (dark over light).
#pragma once

#include <QWidget>

namespace toolkit {

class Bevel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Shape shape READ shape WRITE setShape)
    Q_PROPERTY(Style style READ style WRITE setStyle)

public:
    enum Shape { Box, TopLine };
    Q_ENUM(Shape)
    enum Style { Lowered, Raised };
    Q_ENUM(Style)

    explicit Bevel(QWidget* parent = nullptr);

    Shape shape() const { return shape_; }
    void setShape(Shape shape);
    Style style() const { return style_; }
    void setStyle(Style style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_ = Box;
    Style style_ = Lowered;
};

}  // namespace toolkit
