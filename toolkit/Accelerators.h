// Accelerators of a whole window: the shortcut of any of the window's menu
// commands acts whichever control has the focus, before the control sees the
// key. A line edit would otherwise keep Ctrl+C for copying.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace toolkit {

class WindowAccelerators : public QObject {
    Q_OBJECT

public:
    explicit WindowAccelerators(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace toolkit
