// The modal message box: a text, a title, one OK button and no icon. It
// returns once the user has dismissed it.
#pragma once

class QString;

namespace toolkit {

void messageBox(const QString& text, const QString& title);

}  // namespace toolkit
