#include "toolkit/ColourPanel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace toolkit {

namespace {

// Every panel of the program is clicked to choose or to pick: a button to a
// screen reader, pressed through its press action.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(ColourPanel* panel) : QAccessibleWidget(panel, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!panel()->accessibleName().isEmpty()) return panel()->accessibleName();
            if (!panel()->caption().isEmpty()) return panel()->caption();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        return QStringList(QAccessibleActionInterface::pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction()) {
            if (panel()->isEnabled() && panel()->isVisible()) panel()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ColourPanel* panel() const { return static_cast<ColourPanel*>(widget()); }
};

QAccessibleInterface* panelAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ColourPanel::staticMetaObject.className()) && object && object->isWidgetType())
        return new PanelAccessible(static_cast<ColourPanel*>(object));
    return nullptr;
}

// One frame line around rect: topLeft on the top and left edges, bottomRight
// on the bottom and right edges.
void frame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

}  // namespace

ColourPanel::ColourPanel(QWidget* parent) : QWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(panelAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
}

Colour ColourPanel::colour() const {
    return colour_ ? *colour_ : fromQColor(palette().color(QPalette::Window));
}

void ColourPanel::setColour(Colour colour) {
    colour_ = colour;
    // Setting the name tells the screen reader, once per change.
    if (naming_) setAccessibleName(naming_(colour));
    update();
}

void ColourPanel::setNaming(Naming naming) {
    naming_ = std::move(naming);
    setAccessibleName(naming_ ? naming_(colour()) : QString());
}

void ColourPanel::click() { emit clicked(); }

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
