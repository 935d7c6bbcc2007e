#include "toolkit/Activation.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <algorithm>

namespace toolkit {

namespace {
// Enough to recognise the late reports of a burst of activations.
constexpr std::size_t requestMemory = 8;
}  // namespace

Activation::Activation(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Activation::platformActivated);
}

Activation::~Activation() { stop(); }

void Activation::stop() {
    if (stopped_) return;
    stopped_ = true;
    if (qApp) {
        qApp->removeEventFilter(this);
        disconnect(qApp, nullptr, this, nullptr);
    }
}

void Activation::addWindow(QWidget* window, std::function<void()> onActivate) {
    windows_.push_back({window, std::move(onActivate)});
}

Activation::Entry* Activation::entryOf(const QObject* window) {
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [window](const Entry& e) { return e.window && e.window == window; });
    return it == windows_.end() ? nullptr : &*it;
}

void Activation::becomeActive(QWidget* window) {
    if (stopped_) return;
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [window](const Entry& e) { return e.window == window; });
    if (it == windows_.end()) return;
    std::rotate(windows_.begin(), it, it + 1);
    if (active_ == window) return;
    active_ = window;
    if (windows_.front().onActivate) {
        const auto handler = windows_.front().onActivate;  // the handler may show windows
        handler();
    }
}

void Activation::request(QWidget* window) {
    requested_.emplace_back(window);
    if (requested_.size() > requestMemory) requested_.erase(requested_.begin());
    window->activateWindow();
}

void Activation::show(QWidget* window) {
    // A window coming up comes up in front; one already up is brought there.
    if (window->isVisible()) window->raise();
    window->show();
    request(window);
    becomeActive(window);
}

void Activation::activate(QWidget* window) {
    if (!entryOf(window)) return;
    request(window);
    becomeActive(window);
}

void Activation::handOver(QWidget* hiding) {
    if (active_ != hiding) return;
    for (const Entry& e : windows_) {
        QWidget* w = e.window;
        if (w && w != hiding && w->isVisible() && w->isEnabled() && !w->isMinimized()) {
            request(w);
            becomeActive(w);
            return;
        }
    }
    active_ = nullptr;
}

void Activation::platformActivated(QWindow* focus) {
    if (stopped_ || !focus) return;  // nullptr: another application has the focus
    QWidget* window = nullptr;
    for (const Entry& e : windows_)
        if (e.window && e.window->windowHandle() == focus) window = e.window;
    if (!window || !window->isVisible()) return;  // a message box, a popup, or a late report
    auto asked = std::find(requested_.begin(), requested_.end(), window);
    if (asked != requested_.end()) {
        // Our own request arriving: the latest one confirms, an earlier one is stale.
        requested_.erase(requested_.begin(), asked + 1);
        return;
    }
    requested_.clear();
    becomeActive(window);
}

bool Activation::eventFilter(QObject* watched, QEvent* event) {
    if (stopped_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (window != active_ && entryOf(window)) activate(window);
        }
        break;
    case QEvent::Hide:
        if (!event->spontaneous() && entryOf(watched)) handOver(static_cast<QWidget*>(watched));
        break;
    default:
        break;
    }
    return false;
}

}  // namespace toolkit
