// The keyboard: the window-wide accelerators, whichever control has the
// focus, and the menu's access keys.
#include "Driver.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

// A key of a Cyrillic keyboard, with the letter it types.
void press(QWidget* w, QChar letter, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const auto key = static_cast<Qt::Key>(letter.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Press, w, key, QString(letter), modifiers);
    QTest::sendKeyEvent(QTest::Release, w, key, QString(letter), modifiers);
    Driver::settle();
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init() { driver = std::make_unique<Driver>(); }
    void cleanup() { driver.reset(); }

    void acceleratorsInTheEntry();
    void acceleratorsAnywhere_data();
    void acceleratorsAnywhere();
    void accessKeys();

private:
    std::unique_ptr<Driver> driver;
};

void KeyboardTest::acceleratorsInTheEntry() {
    Driver& d = *driver;
    d.pick(1, ringcode::RingColourId::yellow);
    d.pick(2, ringcode::RingColourId::violet);
    d.pick(3, ringcode::RingColourId::red);
    auto* entry = d.control<QLineEdit>("Entervalue");
    d.typeEntry(QStringLiteral("4750"));
    entry->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QCOMPARE(QApplication::focusWidget(), entry);

    QTest::keyClick(entry, Qt::Key_C, Qt::ControlModifier);
    Driver::settle();
    QVERIFY(d.action("Capasitor1")->isChecked());
    QVERIFY(!d.action("Resistor1")->isChecked());
    QCOMPARE(d.valueText(), QStringLiteral("4,7 nF"));
    // Nothing was copied, and the entry kept its text and the focus.
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QCOMPARE(entry->text(), QStringLiteral("4750"));
    QCOMPARE(QApplication::focusWidget(), entry);

    QTest::keyClick(entry, Qt::Key_R, Qt::ControlModifier);
    Driver::settle();
    QVERIFY(d.action("Resistor1")->isChecked());
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));
    QCOMPARE(entry->text(), QStringLiteral("4750"));
}

void KeyboardTest::acceleratorsAnywhere_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"N4colorrings", "Tolerance", "ohm", "round", "Calculate"}) QTest::newRow(name) << name;
}

void KeyboardTest::acceleratorsAnywhere() {
    QFETCH(QString, control);
    Driver& d = *driver;
    QWidget* w = d.control(control.toLatin1().constData());
    w->setFocus();
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus == w || focus->parentWidget() == w);
    const QString listText = d.control<QComboBox>("Tolerance")->currentText();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    Driver::settle();
    QVERIFY(d.action("Capasitor1")->isChecked());
    QTest::keyClick(focus, Qt::Key_R, Qt::ControlModifier);
    Driver::settle();
    QVERIFY(d.action("Resistor1")->isChecked());
    QVERIFY(!d.action("Capasitor1")->isChecked());
    QCOMPARE(d.control<QComboBox>("Tolerance")->currentText(), listText);
}

void KeyboardTest::accessKeys() {
    Driver& d = *driver;
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);

    press(focus, QChar(u'к'), Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), QStringLiteral("Options1"));
    press(popup, QChar(u'к'));
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(d.action("Capasitor1")->isChecked());
    press(QApplication::focusWidget(), QChar(u'к'), Qt::AltModifier);
    press(QApplication::activePopupWidget(), QChar(u'р'));
    QVERIFY(d.action("Resistor1")->isChecked());

    press(QApplication::focusWidget(), QChar(u'п'), Qt::AltModifier);
    popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), QStringLiteral("Help1"));
    press(popup, QChar(u'в'));
    QVERIFY(d.action("ShowToolTips1")->isChecked());

    press(QApplication::focusWidget(), QChar(u'п'), Qt::AltModifier);
    press(QApplication::activePopupWidget(), QChar(u'о'));
    QVERIFY(d.about().isVisible());
    QCOMPARE(d.program().activation.activeWindow(), &d.about());
    d.closeBox(&d.about());

    press(QApplication::focusWidget(), QChar(u'ф'), Qt::AltModifier);
    popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->objectName(), QStringLiteral("File1"));
    QTest::keyClick(popup, Qt::Key_Escape);
    Driver::settle();
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
