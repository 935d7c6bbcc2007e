#include "toolkit/Layout.h"

#include <QColor>
#include <QPoint>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <cstdlib>

namespace toolkit {

namespace {

void applyTo(QWidget* w) {
    const QVariant height = w->property("fontHeight");
    if (height.isValid()) {
        w->setFont(layoutFont(w->property("fontName").toString(), height.toInt(),
                              w->property("fontBold").toBool()));
    }
    const QVariant colour = w->property("fontColour");
    if (colour.isValid()) {
        QPalette palette = w->palette();
        const QColor c = colour.value<QColor>();
        palette.setColor(QPalette::WindowText, c);
        palette.setColor(QPalette::ButtonText, c);
        palette.setColor(QPalette::Text, c);
        w->setPalette(palette);
    }
}

}  // namespace

QString familyFor(const QString& faceName) {
    // Both are sans faces of the old platform; Liberation Sans is metrically
    // close and covers Cyrillic.
    if (faceName.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
        faceName.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0 || faceName.isEmpty())
        return QStringLiteral("Liberation Sans");
    return faceName;
}

QFont layoutFont(const QString& faceName, int height, bool bold) {
    QFont font(familyFor(faceName));
    font.setPixelSize(std::abs(height));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    return font;
}

void applyLayout(QWidget* root) {
    const QVariant position = root->property("designPos");
    if (position.isValid()) root->move(position.toPoint());
    applyTo(root);
    const auto controls = root->findChildren<QWidget*>();
    for (QWidget* w : controls) applyTo(w);
}

}  // namespace toolkit
