#include "toolkit/Windows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace toolkit {

namespace {

class FirstShow : public QObject {
public:
    explicit FirstShow(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Show && !event->spontaneous()) {
            done_ = true;
            auto* window = static_cast<QWidget*>(watched);
            const QRect screen = window->screen()->geometry();
            const QSize size = window->frameGeometry().size();
            window->move(screen.x() + std::max(0, (screen.width() - size.width()) / 2),
                         screen.y() + std::max(0, (screen.height() - size.height()) / 2));
        }
        return false;
    }

private:
    bool done_ = false;
};

// A window with a dialog's frame is a dialog to a screen reader too, which
// then tells its title as it comes up; a plain top-level widget would be a
// nameless filler.
class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Dialog) {}
};

constexpr const char* dialogMark = "toolkitDialog";

QAccessibleInterface* dialogAccessible(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(dialogMark).toBool())
        return new DialogAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void markDialog(QWidget* window) {
    static const bool accessible = [] {
        QAccessible::installFactory(dialogAccessible);
        return true;
    }();
    Q_UNUSED(accessible);
    window->setProperty(dialogMark, true);
}

}  // namespace

void centreOnFirstShow(QWidget* window) { new FirstShow(window); }

void fixWindowSize(QWidget* window) {
    if (QLayout* layout = window->layout()) {
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->activate();
    } else {
        window->setFixedSize(window->size());
    }
}

}  // namespace toolkit

namespace toolkit {

void dialogFrame(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    fixWindowSize(window);
    markDialog(window);
}

void toolWindowFrame(QWidget* window) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    fixWindowSize(window);
    markDialog(window);
}

}  // namespace toolkit
