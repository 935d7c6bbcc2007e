// Top-level windows: frames, size and place on the screen.
#pragma once

class QWidget;

namespace toolkit {

// The first time the window is shown it is centred on its screen: left and
// top are half the difference between the screen's size and the window's,
// never below 0. Later showings leave it where it is.
void centreOnFirstShow(QWidget* window);

// A window whose size is that of its contents, which the user cannot resize.
void fixWindowSize(QWidget* window);

// Frames: a dialog's (title and close button) and a tool window's (a narrow
// title with the close button alone). Neither can be resized.
void dialogFrame(QWidget* window);
void toolWindowFrame(QWidget* window);

}  // namespace toolkit
