// The end of the program: "В&ыход" and the main window's close box end the
// message loop with exit code 0, open dialogs and all.
#include "Driver.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

class ExitTest : public QObject {
    Q_OBJECT

private slots:
    void exitCommand();
    void closeBox();

private:
    static void openEverything(Driver& d) {
        d.click(d.ring(2));
        d.click(d.ring(5));
        d.command("About1");
        QVERIFY(d.colours().isVisible() && d.tolerances().isVisible() && d.about().isVisible());
    }
    static void nothingRemains() {
        const QStringList windows{"Mainform", "selectcolor", "Tolform", "AboutBox"};
        for (QWidget* w : QApplication::topLevelWidgets()) {
            QVERIFY2(!windows.contains(w->objectName()), qPrintable(w->objectName()));
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        }
    }
};

void ExitTest::exitCommand() {
    {
        Driver d;
        openEverything(d);
        QTimer::singleShot(0, [&d] {
            d.click(d.control("GroupBox3"));
            const auto key = [](QWidget* w, char16_t letter, Qt::KeyboardModifiers modifiers) {
                const QChar c(letter);
                QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), modifiers);
            };
            key(QApplication::focusWidget(), u'ф', Qt::AltModifier);
            key(QApplication::activePopupWidget(), u'ы', Qt::NoModifier);
        });
        QCOMPARE(QApplication::exec(), 0);
    }
    nothingRemains();
}

void ExitTest::closeBox() {
    {
        Driver d;
        openEverything(d);
        QTimer::singleShot(0, [&d] { d.closeBox(&d.main()); });
        QCOMPARE(QApplication::exec(), 0);
    }
    nothingRemains();
}

QTEST_MAIN(ExitTest)
#include "exit_test.moc"
