#include "toolkit/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>

namespace toolkit {

void messageBox(const QString& text, const QString& title) {
    // Owned by the application, not a window: it blocks all of them.
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    QPointer<QWidget> before = QApplication::activeWindow();
    box.exec();
    // Without a window manager nothing gives the focus back.
    if (before && before->isVisible()) before->activateWindow();
}

}  // namespace toolkit
