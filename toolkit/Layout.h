// What the window layouts hold beyond Qt's own properties. Fonts: a face name,
// a height in the old library's terms (negative: the character height in
// pixels) and a bold flag, as properties fontName, fontHeight and fontBold of
// a control, with an optional fontColour; a control without them takes its
// container's font. A window's designPos is where it stands when created.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace toolkit {

// The face that stands in for a face of the old platform.
QString familyFor(const QString& faceName);

QFont layoutFont(const QString& faceName, int height, bool bold);

// Gives root and every control under it that names a font that font, and
// moves root to its design position.
void applyLayout(QWidget* root);

}  // namespace toolkit
