// A long seeded sequence of user actions on the real windows. After every
// action the value area shows a value exactly when every value ring is set
// and the rings can be read, and that value is the engine's reading of the
// ring colours as they are shown, for the kind chosen.
#include "Driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <deque>
#include <random>

namespace {

constexpr unsigned seed = 20261211;
constexpr int actions = 3000;

}  // namespace

class RandomTest : public QObject {
    Q_OBJECT

private slots:
    void sequence();

private:
    void step();
    void check();
    QString history() const;

    std::unique_ptr<Driver> driver;
    std::mt19937 random{seed};
    std::deque<QString> done;
    int colourRing = 0;  // the ring the open colour dialog was last opened for
    std::uint8_t colourRingCount = 4;
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    void note(const QString& what) {
        done.push_back(what);
        if (done.size() > 25) done.pop_front();
    }
};

QString RandomTest::history() const {
    QStringList lines(done.begin(), done.end());
    return lines.join(QStringLiteral("\n  "));
}

void RandomTest::step() {
    Driver& d = *driver;
    switch (pick(12)) {
    case 0:
    case 1:
    case 2: {  // a ring
        int n = 1 + pick(5);
        if (n == 4 && d.ring(4)->isHidden()) n = 5;
        note(QStringLiteral("ring %1").arg(n));
        d.click(d.ring(n));
        if (n <= 4) {
            colourRing = n;
            colourRingCount = d.main().ringcount;
        }
        break;
    }
    case 3:
    case 4: {  // a colour panel
        if (!d.colours().isVisible()) return;
        QList<toolkit::ColourPanel*> shown;
        for (const ringcode::RingColour& c : ringcode::ringColours)
            if (!d.colourPanel(c.id)->isHidden()) shown << d.colourPanel(c.id);
        toolkit::ColourPanel* panel = shown[pick(static_cast<int>(shown.size()))];
        note(QStringLiteral("colour ") + panel->objectName());
        d.click(panel);
        break;
    }
    case 5: {  // a tolerance panel
        if (!d.tolerances().isVisible()) return;
        const char* names[] = {"Brown", "Red", "Silver", "Gold", "Green", "None"};
        const char* name = names[pick(6)];
        note(QStringLiteral("tolerance ") + QLatin1String(name));
        d.click(d.tolerancePanel(name));
        break;
    }
    case 6: {  // a close box
        QWidget* windows[] = {&d.colours(), &d.tolerances(), &d.about()};
        QWidget* w = windows[pick(3)];
        if (!w->isVisible()) return;
        note(QStringLiteral("close box of ") + w->objectName());
        d.closeBox(w);
        break;
    }
    case 7: {  // ring count or kind
        const char* names[] = {"N4colorrings", "N5colorrings"};
        if (pick(2) == 0) {
            const char* name = names[pick(2)];
            note(QLatin1String(name));
            d.click(d.control(name));
        } else {
            const char* command = pick(2) == 0 ? "Resistor1" : "Capasitor1";
            note(QLatin1String(command));
            d.command(command);
        }
        break;
    }
    case 8: {  // the tolerance list
        auto* list = d.control<QComboBox>("Tolerance");
        d.click(list);
        if (pick(3) == 0) {
            const QString texts[] = {QStringLiteral("5%"), QStringLiteral("x"), QStringLiteral("1%"), QStringLiteral("33")};
            const QString text = texts[pick(4)];
            note(QStringLiteral("type into the list ") + text);
            list->lineEdit()->selectAll();
            Driver::typeText(list->lineEdit(), text);
        } else {
            const bool down = pick(2) == 0;
            note(down ? QStringLiteral("list down") : QStringLiteral("list up"));
            QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
        }
        Driver::settle();
        break;
    }
    case 9:
    case 10: {  // a value entry
        const char* multipliers[] = {"ohm", "Kohm", "Mohm"};
        const int m = pick(3);
        const int limits[] = {990000000, 990000, 990};
        QString entry;
        switch (pick(6)) {
        case 0: entry = QString::number(1 + pick(limits[m])); break;
        case 1: entry = QString::number(1 + pick(1000)); break;
        case 2: entry = QString::number(1 + pick(100000)); break;
        case 3: entry = QStringLiteral("  +0") + QString::number(1 + pick(999)); break;
        case 4: entry = QStringLiteral("$") + QString::number(1 + pick(4000), 16); break;
        default: {
            const QString bad[] = {QString(), QStringLiteral("4,7"), QStringLiteral("0"), QStringLiteral("-12"),
                                   QStringLiteral("999999999"), QStringLiteral("12 "), QStringLiteral("ом")};
            entry = bad[pick(7)];
        }
        }
        note(QStringLiteral("calculate \"%1\" %2").arg(entry, QLatin1String(multipliers[m])));
        d.click(d.control(multipliers[m]));
        if (pick(4) == 0) d.click(d.control("round"));
        d.typeEntry(entry);
        const std::string text = entry.toStdString();
        const bool refused = !ringcode::findRings({.entry = text,
                                                   .multiplier = static_cast<ringcode::Multiplier>(m),
                                                   .round = d.control<QAbstractButton>("round")->isChecked(),
                                                   .ringcount = d.main().ringcount});
        const QString before = d.control<QLabel>("actualvalue")->text();
        const MessageSeen seen = d.calculateExpectingMessage();
        QVERIFY2(seen.shown == refused, qPrintable(history()));
        if (refused) QVERIFY2(d.control<QLabel>("actualvalue")->text() == before, qPrintable(history()));
        break;
    }
    default: {  // activations from other windows of the program
        if (d.about().isVisible() && pick(2) == 0) {
            note(QStringLiteral("About box OK"));
            d.click(d.in(d.about(), "BitBtn1"));
        } else if (pick(2) == 0) {
            note(QStringLiteral("About box"));
            d.command("About1");
        } else {
            note(QStringLiteral("click on the main window"));
            d.click(d.control("GroupBox2"));
        }
    }
    }
}

void RandomTest::check() {
    Driver& d = *driver;
    TMainform& w = d.main();
    const QString where = history();
    QVERIFY2(w.ringcount == 4 || w.ringcount == 5, qPrintable(where));
    QVERIFY2(d.ring(4)->isHidden() == (w.ringcount == 4), qPrintable(where));
    QVERIFY2(d.control<QAbstractButton>("N5colorrings")->isChecked() == (w.ringcount == 5), qPrintable(where));

    std::array<ringcode::Code, 4> codes{};
    bool allSet = true;
    for (int n = 1; n <= 4; ++n) {
        const ringcode::Colour c = d.colourOf(n);
        if (n <= w.ringcount - 1) allSet = allSet && ringcode::isSet(c);
        codes[static_cast<std::size_t>(n - 1)] = ringcode::codeOfColour(c).value_or(0);
    }
    const bool resistor = d.action("Resistor1")->isChecked();
    QVERIFY2(resistor != d.action("Capasitor1")->isChecked(), qPrintable(where));
    std::optional<ringcode::Reading> reading;
    if (allSet)
        reading = ringcode::readRings({.ringcount = w.ringcount,
                                       .code1 = codes[0],
                                       .code2 = codes[1],
                                       .code3 = codes[2],
                                       .code4 = codes[3],
                                       .ring3 = d.colourOf(3),
                                       .ring4 = d.colourOf(4),
                                       .kind = resistor ? ringcode::Kind::resistor : ringcode::Kind::capacitor});
    QVERIFY2(d.valueShown() == reading.has_value(), qPrintable(where));
    if (reading)
        QVERIFY2(d.valueText() == QString::fromStdString(reading->text()),
                 qPrintable(d.valueText() + QStringLiteral(" shown, ") + QString::fromStdString(reading->text()) +
                            QStringLiteral(" read after\n  ") + where));

    // An open colour dialog offers what its ring may take; a closed one the standard set.
    const ringcode::ColourSet offer = d.colours().isVisible()
        ? ringcode::offeredColours(colourRing, colourRing == 4 ? std::uint8_t{5} : colourRingCount)
        : ringcode::standardOffer();
    for (const ringcode::RingColour& c : ringcode::ringColours)
        QVERIFY2(!d.colourPanel(c.id)->isHidden() == offer.contains(c.id), qPrintable(where));

    // With the main window active the tolerance ring, list and dialog agree.
    if (d.program().activation.activeWindow() == &w) {
        const int index = d.control<QComboBox>("Tolerance")->currentIndex();
        QVERIFY2(d.colourOf(5) == d.tolerances().pickedcolor, qPrintable(where));
        QVERIFY2((index == -1 ? 255 : index) == d.tolerances().pickedindex, qPrintable(where));
        if (index >= 0) QVERIFY2(d.colourOf(5) == *ringcode::toleranceColour(index), qPrintable(where));
    }
}

void RandomTest::sequence() {
    driver = std::make_unique<Driver>();
    check();
    for (int i = 0; i < actions; ++i) {
        step();
        if (QTest::currentTestFailed()) return;
        check();
        if (QTest::currentTestFailed()) return;
    }
    driver.reset();
}

QTEST_MAIN(RandomTest)
#include "random_test.moc"
