#include "toolkit/MessageBox.h"

#include <QMessageBox>
#include <QString>

namespace toolkit {

void messageBox(const QString& text, const QString& title) {
    // Owned by the application, not a window: it blocks all of them.
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace toolkit
