// Which window of the program is the active one, in the old library's sense:
// a window's activation handler runs when the program's active window
// becomes that window, whether the user clicked into it, the program showed
// it, or the active window hid and handed over to the next one. Coming back
// from another application into the window that was active raises nothing.
//
// The window system's own focus changes arrive late, and not at all without a
// window manager, so the layer decides itself at the moment things happen: a
// mouse button pressed in a window that is not the active one activates it
// before the press is delivered, a window shown through show() is active at
// once, and a hiding active window hands over to the most recently active
// visible window of the program. The window system's reports then only
// confirm; a late report of an earlier activation is dropped.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QWindow;

namespace toolkit {

class Activation : public QObject {
    Q_OBJECT

public:
    explicit Activation(QObject* parent = nullptr);
    ~Activation() override;

    // Makes window one of the program's; onActivate runs each time it becomes
    // the active window.
    void addWindow(QWidget* window, std::function<void()> onActivate = {});

    // Shows the window without waiting: visible, in front and active at once.
    void show(QWidget* window);

    // Makes a window of the program the active one now.
    void activate(QWidget* window);

    QWidget* activeWindow() const { return active_; }

    // No handler runs any more; for the end of the program, before the
    // windows go.
    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> window;
        std::function<void()> onActivate;
    };

    Entry* entryOf(const QObject* window);
    void becomeActive(QWidget* window);
    void request(QWidget* window);
    void handOver(QWidget* hiding);
    void platformActivated(QWindow* window);

    std::vector<Entry> windows_;  // most recently active first
    QPointer<QWidget> active_;
    std::vector<QPointer<QWidget>> requested_;  // asked of the window system, not yet confirmed
    bool stopped_ = false;
};

}  // namespace toolkit
