// A panel: a face in one colour, an optional centred caption, a bevel, and a
// click that fires when the button is released over the panel it went down on.
// Screen readers see it as a button that can be pressed, named by its caption
// or by a naming of its colour.
#pragma once

#include "toolkit/Colour.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace toolkit {

class ColourPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Bevel bevel READ bevel WRITE setBevel)
    Q_PROPERTY(QColor textColour READ textColour WRITE setTextColour)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    // Raised: one light-over-dark frame. DoubleSunken: two dark-over-light frames.
    enum Bevel { Raised, DoubleSunken };
    Q_ENUM(Bevel)

    explicit ColourPanel(QWidget* parent = nullptr);

    // The face colour; a panel without a colour of its own shows the face
    // colour of the window and reports that.
    Colour colour() const;
    void setColour(Colour colour);
    bool hasOwnColour() const { return colour_.has_value(); }

    Bevel bevel() const { return bevel_; }
    void setBevel(Bevel bevel);

    // An invalid colour means the window's text colour.
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor& colour);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The name a screen reader gives a panel is its caption, unless a naming
    // is installed: then it is the naming of the panel's colour, renewed each
    // time the colour is set.
    using Naming = std::function<QString(Colour)>;
    void setNaming(Naming naming);

    // A click that comes from no mouse, such as a screen reader's press.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<Colour> colour_;
    Bevel bevel_ = Raised;
    QColor textColour_;
    QString caption_;
    Naming naming_;
    bool pressed_ = false;
};

}  // namespace toolkit
