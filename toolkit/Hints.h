// The window-wide hint switch. Off, no control of the window shows a hint.
// On, the hint shown is that of the innermost control under the mouse that
// has one: a control without a hint of its own shows its container's.
// A line break in a hint is written as a carriage return or a line feed.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace toolkit {

class HintSwitch : public QObject {
    Q_OBJECT

public:
    explicit HintSwitch(QWidget* window);

    bool isOn() const { return on_; }
    void setOn(bool on);

    // The hint that the window would show over this control, as shown.
    static QString hintFor(const QWidget* control);
    static QString shownText(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    bool on_ = false;
};

}  // namespace toolkit
