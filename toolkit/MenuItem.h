// A menu item's click. The old library leaves a check mark to the handler,
// whereas a checkable Qt action toggles it before telling anyone: the click
// here sees the check mark as it was.
#pragma once

#include <functional>

class QAction;

namespace toolkit {

void onMenuClick(QAction* item, std::function<void()> handler);

}  // namespace toolkit
