#include "Driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

QtMessageHandler passOn = nullptr;

// The offscreen platform has no stacking order and no window manager, and
// says so at every raise and message box.
void withoutRaiseNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("This plugin does not support raise()") ||
        message == QLatin1String("This plugin does not support propagateSizeHints()") ||
        message == QLatin1String("This plugin does not support grabbing the keyboard"))
        return;
    if (passOn) passOn(type, context, message);
}

}  // namespace

Driver::Driver() : program_(std::make_unique<Program>()) {
    static const bool installed = [] {
        passOn = qInstallMessageHandler(withoutRaiseNotes);
        return true;
    }();
    Q_UNUSED(installed);
    program_->start();
    settle();
}

Driver::~Driver() = default;

void Driver::settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

toolkit::ColourPanel* Driver::ring(int n) {
    const QByteArray name = "Ring" + QByteArray::number(n);
    return control<toolkit::ColourPanel>(name.constData());
}

toolkit::ColourPanel* Driver::colourPanel(ringcode::RingColourId id) {
    const std::string name(ringcode::ringColour(id).panel);
    return in<toolkit::ColourPanel>(colours(), name.c_str());
}

toolkit::ColourPanel* Driver::tolerancePanel(const char* name) {
    return in<toolkit::ColourPanel>(tolerances(), name);
}

QAction* Driver::action(const char* name) {
    auto* a = main().findChild<QAction*>(QString::fromLatin1(name));
    if (!a) qFatal("no action %s", name);
    return a;
}

void Driver::clickAt(QWidget* w, QPoint p) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, p);
    settle();
}

void Driver::click(QWidget* w) { clickAt(w, w->rect().center()); }

void Driver::closeBox(QWidget* window) {
    window->windowHandle()->close();
    settle();
}

void Driver::pick(int ringNumber, ringcode::RingColourId id) {
    click(ring(ringNumber));
    click(colourPanel(id));
}

void Driver::typeEntry(const QString& text) {
    auto* entry = control<QLineEdit>("Entervalue");
    click(entry);
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Delete);
    typeText(entry, text);
    settle();
}

void Driver::typeText(QWidget* w, const QString& text) {
    // Letter by letter as a keyboard gives them, Cyrillic ones too.
    for (const QChar c : text) {
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, w, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, key, QString(c), Qt::NoModifier);
    }
}

void Driver::command(const char* actionName) {
    // Reaching the menu is a click on the main window's menu bar.
    QWidget* bar = control("MainMenu1");
    clickAt(bar, QPoint(bar->width() - 4, bar->height() / 2));
    action(actionName)->trigger();
    settle();
}

MessageSeen Driver::calculateExpectingMessage() {
    MessageSeen seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.shown = true;
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.buttons = static_cast<int>(box->buttons().size());
        seen.noIcon = box->icon() == QMessageBox::NoIcon;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    click(control("Calculate"));
    return seen;
}

bool Driver::valueShown() {
    const bool text = !control("textfield")->isHidden();
    const bool value = !control("value")->isHidden();
    if (text == value) qFatal("the value area shows both or neither of its groups");
    return value;
}

QString Driver::valueText() {
    if (!valueShown()) return {};
    return control<QLabel>("value")->text() + control<QLabel>("dot")->text() + control<QLabel>("dec")->text() +
           control<QLabel>("enhet")->text();
}

QString colourName(ringcode::Colour colour) {
    if (colour == ringcode::clBody) return QStringLiteral("body");
    if (const ringcode::RingColour* c = ringcode::findRingColour(colour))
        return QString::fromUtf8(c->panel.data(), static_cast<qsizetype>(c->panel.size()));
    return QStringLiteral("#%1").arg(colour, 8, 16, QLatin1Char('0'));
}
