#include "toolkit/MenuItem.h"

#include <QAction>
#include <QSignalBlocker>

namespace toolkit {

void onMenuClick(QAction* item, std::function<void()> handler) {
    QObject::connect(item, &QAction::triggered, item, [item, handler = std::move(handler)] {
        if (item->isCheckable()) {
            const QSignalBlocker blocker(item);
            item->setChecked(!item->isChecked());
        }
        handler();
    });
}

}  // namespace toolkit
