// Radio buttons that share a container form one group, and only the checked
// one of a group is a tab stop: the stop moves with the check. The others
// still take the focus by a click or the arrow keys.
#pragma once

class QWidget;

namespace toolkit {

// For every group of radio buttons directly under some control of window.
void keepRadioTabStops(QWidget* window);

}  // namespace toolkit
