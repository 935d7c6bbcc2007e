// How picks travel between the dialogs and the main window, and what the main
// window's handlers do with them: the two roads (a ring pick, a value entry),
// close boxes, rings clicked while a dialog is open, the tolerance ring and
// list, ring count and kind switches, and the refusal.
#include "Driver.h"

#include "toolkit/ItemList.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using ringcode::clBody;
using ringcode::RingColourId;
using enum ringcode::RingColourId;

namespace {

constexpr ringcode::Colour blackC = 0x00000000, brownC = 0x00194494, redC = 0x000000FF, orangeC = 0x00008CFF,
                           yellowC = 0x0000FFFF, greenC = 0x00008000, blueC = 0x00D70000, violetC = 0x00800080,
                           grayC = 0x00808080, whiteC = 0x00FFFFFF, goldC = 0x005AA8C8, silverC = 0x00C0C0C0;

QStringList offered(Driver& d) {
    QStringList names;
    for (const ringcode::RingColour& c : ringcode::ringColours)
        if (!d.colourPanel(c.id)->isHidden()) names << QString::fromUtf8(c.panel.data(), static_cast<qsizetype>(c.panel.size()));
    return names;
}

const QStringList standardSet{"black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "gray", "white"};

QStringList colourNames(std::initializer_list<ringcode::Colour> colours) {
    QStringList names;
    for (ringcode::Colour c : colours) names << colourName(c);
    return names;
}

}  // namespace

class HandoffTest : public QObject {
    Q_OBJECT

private slots:
    void init() { driver = std::make_unique<Driver>(); }
    void cleanup() { driver.reset(); }

    void ringPickRoad();
    void pickStores_data();
    void pickStores();
    void offers_data();
    void offers();
    void closeBoxChangesNothing();
    void dialogFollowsMainWindow();
    void ringClickedWhileDialogActive();
    void clickOnMainWhileDialogActive();
    void returningFromAnotherApplication();
    void bothDialogs();
    void aboutBoxAboveTakesOver();
    void listToRing_data();
    void listToRing();
    void dialogToList_data();
    void dialogToList();
    void typingInTheList();
    void ringCount();
    void fourRingsClearsWhiteRingThree();
    void kind();
    void valueEntry_data();
    void valueEntry();
    void refusal_data();
    void refusal();
    void foundRingsStay();
    void pickAfterCalculationLands();
    void roundvalue();
    void unreadableRings();

private:
    std::unique_ptr<Driver> driver;
};

void HandoffTest::ringPickRoad() {
    Driver& d = *driver;
    d.pick(1, yellow);
    d.pick(3, red);
    QVERIFY(!d.valueShown());

    d.click(d.ring(2));
    Tselectcolor& dialog = d.colours();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.pos(), d.main().pos() + QPoint(17, 30));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Кольцо2"));
    QCOMPARE(d.main().activering, 2);
    QCOMPARE(dialog.pickedcolor, clBody);
    QCOMPARE(dialog.pickedcode, 0);
    QCOMPARE(offered(d), standardSet);
    QCOMPARE(d.program().activation.activeWindow(), &dialog);
    QCOMPARE(QApplication::activeWindow(), &dialog);

    d.click(d.colourPanel(red));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    QCOMPARE(QApplication::activeWindow(), &d.main());
    QCOMPARE(d.colourOf(2), redC);
    QCOMPARE(d.main().code2, 2);
    QCOMPARE(d.control<QLabel>("value")->text(), QStringLiteral("4"));
    QCOMPARE(d.control<QLabel>("dot")->text(), QStringLiteral(","));
    QCOMPARE(d.control<QLabel>("dec")->text(), QStringLiteral("2"));
    QCOMPARE(d.control<QLabel>("enhet")->text(), QStringLiteral(" Ком"));
    QVERIFY(d.control("textfield")->isHidden());
}

void HandoffTest::pickStores_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<uint>("stored");
    QTest::addColumn<int>("code");
    const std::pair<RingColourId, std::pair<ringcode::Colour, int>> rows[] = {
        {black, {blackC, 0}},     {brown, {brownC, 1}},   {red, {redC, 2}},     {orange, {orangeC, 3}},
        {yellow, {yellowC, 4}},  {green, {greenC, 5}},   {blue, {blueC, 6}},   {violet, {violetC, 7}},
        {gray, {grayC, 8}},      {white, {whiteC, 9}},   {gold, {goldC, 1}},   {silver, {silverC, 1}},
    };
    for (const auto& [id, expected] : rows)
        QTest::newRow(ringcode::ringColour(id).panel.data())
            << static_cast<int>(id) << static_cast<uint>(expected.first) << expected.second;
}

void HandoffTest::pickStores() {
    QFETCH(int, colour);
    QFETCH(uint, stored);
    QFETCH(int, code);
    Driver& d = *driver;
    const auto id = static_cast<RingColourId>(colour);
    // Gold and silver are offered on ring 3 with four rings, the others on ring 2.
    const int ringNumber = id == gold || id == silver ? 3 : 2;
    d.pick(ringNumber, id);
    QCOMPARE(d.colours().pickedcolor, stored);
    QCOMPARE(d.colours().pickedcode, code);
    QCOMPARE(d.colourOf(ringNumber), stored);
    QCOMPARE(ringNumber == 3 ? d.main().code3 : d.main().code2, code);
    QCOMPARE(offered(d), standardSet);
}

void HandoffTest::offers_data() {
    QTest::addColumn<int>("rings");
    QTest::addColumn<QList<int>>("clicks");  // the dialog stays open between them
    QTest::addColumn<QStringList>("expected");
    const QStringList firstDigit{"brown", "red", "orange", "yellow", "green", "blue", "violet", "gray", "white"};
    const QStringList multiplierOfFour{"black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "Gold", "Silver"};
    const QStringList multiplierOfFive{"black", "brown", "red", "orange", "yellow", "green", "blue", "Gold", "Silver"};
    QTest::newRow("4: ring 1") << 4 << QList<int>{1} << firstDigit;
    QTest::newRow("4: ring 2") << 4 << QList<int>{2} << standardSet;
    QTest::newRow("4: ring 3") << 4 << QList<int>{3} << multiplierOfFour;
    QTest::newRow("5: ring 1") << 5 << QList<int>{1} << firstDigit;
    QTest::newRow("5: ring 2") << 5 << QList<int>{2} << standardSet;
    QTest::newRow("5: ring 3") << 5 << QList<int>{3} << standardSet;
    QTest::newRow("5: ring 4") << 5 << QList<int>{4} << multiplierOfFive;
    // A ring clicked while the dialog is open gets its own offer, not the last one's.
    QTest::newRow("5: ring 4, then 2") << 5 << QList<int>{4, 2} << standardSet;
    QTest::newRow("5: ring 4, then 3") << 5 << QList<int>{4, 3} << standardSet;
    QTest::newRow("5: ring 4, then 1") << 5 << QList<int>{4, 1} << firstDigit;
    QTest::newRow("5: ring 1, then 2") << 5 << QList<int>{1, 2} << standardSet;
    QTest::newRow("5: ring 2, then 4") << 5 << QList<int>{2, 4} << multiplierOfFive;
    QTest::newRow("4: ring 3, then 1") << 4 << QList<int>{3, 1} << firstDigit;
    QTest::newRow("4: ring 1, then 3, then 2") << 4 << QList<int>{1, 3, 2} << standardSet;
}

void HandoffTest::offers() {
    QFETCH(int, rings);
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, expected);
    Driver& d = *driver;
    if (rings == 5) d.click(d.control("N5colorrings"));
    for (int ring : clicks) d.click(d.ring(ring));
    QVERIFY(d.colours().isVisible());
    QCOMPARE(d.colours().windowTitle(), QStringLiteral("Кольцо%1").arg(clicks.back()));
    QCOMPARE(offered(d), expected);
    // Every closing brings the standard set back.
    d.closeBox(&d.colours());
    QCOMPARE(offered(d), standardSet);
}

void HandoffTest::closeBoxChangesNothing() {
    Driver& d = *driver;
    d.pick(1, yellow);
    d.pick(2, violet);
    d.pick(3, red);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));
    for (int ring : {1, 2, 3}) {
        d.click(d.ring(ring));
        d.closeBox(&d.colours());
        QVERIFY(!d.colours().isVisible());
        QCOMPARE(d.program().activation.activeWindow(), &d.main());
    }
    QCOMPARE(colourNames({d.colourOf(1), d.colourOf(2), d.colourOf(3)}), QStringList({"yellow", "violet", "red"}));
    QCOMPARE(d.main().code1, 4);
    QCOMPARE(d.main().code2, 7);
    QCOMPARE(d.main().code3, 2);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));

    d.click(d.tolerancePanel("Gold") ? d.ring(5) : nullptr);
    d.click(d.tolerancePanel("Gold"));
    d.click(d.ring(5));
    d.closeBox(&d.tolerances());
    QCOMPARE(d.colourOf(5), goldC);
    QCOMPARE(d.control<QComboBox>("Tolerance")->currentText(), QStringLiteral("5%"));
    QCOMPARE(d.tolerances().pickedindex, 2);
}

void HandoffTest::dialogFollowsMainWindow() {
    Driver& d = *driver;
    d.main().move(100, 50);
    d.click(d.ring(3));
    QCOMPARE(d.colours().pos(), QPoint(117, 80));
    d.click(d.ring(5));
    QCOMPARE(d.tolerances().pos(), QPoint(236, 80));
    d.closeBox(&d.tolerances());
    d.closeBox(&d.colours());
    // Near the screen's corner the dialogs open partly off the screen, and stay there.
    const QRect screen = d.main().screen()->geometry();
    const QPoint corner(screen.right() - 150, screen.bottom() - 40);
    d.main().move(corner);
    d.click(d.ring(1));
    QCOMPARE(d.colours().pos(), corner + QPoint(17, 30));
    QVERIFY(!screen.contains(d.colours().frameGeometry()));
    d.click(d.ring(5));
    QCOMPARE(d.tolerances().pos(), corner + QPoint(136, 30));
}

void HandoffTest::ringClickedWhileDialogActive() {
    Driver& d = *driver;
    d.click(d.ring(1));
    // A result the main window has not taken over yet.
    d.colours().pickedcolor = redC;
    d.colours().pickedcode = 2;
    d.click(d.ring(2));
    // The activation ran first and applied it to ring 1; then ring 2's click
    // retargeted the open dialog.
    QCOMPARE(d.colourOf(1), redC);
    QCOMPARE(d.main().code1, 2);
    QVERIFY(d.colours().isVisible());
    QCOMPARE(d.colours().windowTitle(), QStringLiteral("Кольцо2"));
    QCOMPARE(d.main().activering, 2);
    QCOMPARE(d.colours().pickedcolor, clBody);
    QCOMPARE(d.program().activation.activeWindow(), &d.colours());

    // With the main window already active only the click's handler runs.
    d.click(d.ring(3));
    d.click(d.control("GroupBox2"));
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    d.colours().pickedcolor = greenC;
    d.colours().pickedcode = 5;
    d.click(d.ring(1));
    QCOMPARE(d.colourOf(3), clBody);
    QCOMPARE(d.colours().windowTitle(), QStringLiteral("Кольцо1"));
}

void HandoffTest::clickOnMainWhileDialogActive() {
    Driver& d = *driver;
    d.click(d.ring(5));
    QCOMPARE(d.program().activation.activeWindow(), &d.tolerances());
    d.tolerances().pickedcolor = goldC;
    d.tolerances().pickedindex = 2;
    d.click(d.control("GroupBox2"));
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    QCOMPARE(d.colourOf(5), goldC);
    QCOMPARE(d.control<QComboBox>("Tolerance")->currentIndex(), 2);
    QVERIFY(d.tolerances().isVisible());
    d.closeBox(&d.tolerances());

    // The About box is a window of the program too.
    d.pick(2, red);
    d.command("About1");
    QCOMPARE(d.program().activation.activeWindow(), &d.about());
    d.colours().pickedcolor = greenC;
    d.colours().pickedcode = 5;
    d.click(d.control("GroupBox3"));
    QCOMPARE(d.colourOf(2), greenC);
    QCOMPARE(d.main().code2, 5);
    QVERIFY(d.about().isVisible());
}

void HandoffTest::returningFromAnotherApplication() {
    Driver& d = *driver;
    d.pick(2, red);
    d.colours().pickedcolor = greenC;
    QWidget elsewhere;
    elsewhere.resize(50, 50);
    elsewhere.show();
    elsewhere.activateWindow();
    Driver::settle();
    QCOMPARE(QApplication::activeWindow(), &elsewhere);
    d.main().activateWindow();
    Driver::settle();
    QCOMPARE(QApplication::activeWindow(), &d.main());
    QCOMPARE(d.colourOf(2), redC);
}

void HandoffTest::bothDialogs() {
    Driver& d = *driver;
    d.pick(1, yellow);
    d.pick(3, red);
    d.click(d.ring(2));
    d.click(d.ring(5));
    QVERIFY(d.colours().isVisible());
    QVERIFY(d.tolerances().isVisible());
    QCOMPARE(d.colours().windowTitle(), QStringLiteral("Кольцо2"));
    QCOMPARE(d.program().activation.activeWindow(), &d.tolerances());
    // The tolerance dialog hands over to the main window, which lies above
    // the colour dialog since the click on ring 5.
    d.click(d.tolerancePanel("Gold"));
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    QCOMPARE(d.colourOf(5), goldC);
    QVERIFY(d.colours().isVisible());
    QCOMPARE(d.colourOf(2), clBody);
    d.click(d.colourPanel(violet));
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    QCOMPARE(d.colourOf(2), violetC);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));
    QCOMPARE(d.colourOf(5), goldC);
}

void HandoffTest::aboutBoxAboveTakesOver() {
    Driver& d = *driver;
    d.click(d.ring(2));
    d.command("About1");
    QVERIFY(d.colours().isVisible());
    QCOMPARE(d.program().activation.activeWindow(), &d.about());
    // The pick hides the colour dialog; the About box, the window above the
    // main window, becomes active, so the pick waits for the main window.
    d.click(d.colourPanel(red));
    QCOMPARE(d.program().activation.activeWindow(), &d.about());
    QCOMPARE(d.colourOf(2), clBody);
    d.click(d.in(d.about(), "BitBtn1"));
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    QCOMPARE(d.colourOf(2), redC);
}

void HandoffTest::listToRing_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<uint>("ring");
    QTest::newRow("20%") << 0 << static_cast<uint>(clBody);
    QTest::newRow("10%") << 1 << static_cast<uint>(silverC);
    QTest::newRow("5%") << 2 << static_cast<uint>(goldC);
    QTest::newRow("2%") << 3 << static_cast<uint>(redC);
    QTest::newRow("1%") << 4 << static_cast<uint>(brownC);
    QTest::newRow("0.5%") << 5 << static_cast<uint>(greenC);
}

void HandoffTest::listToRing() {
    QFETCH(int, index);
    QFETCH(uint, ring);
    Driver& d = *driver;
    auto* list = d.control<QComboBox>("Tolerance");
    QSignalSpy changes(static_cast<toolkit::ItemList*>(list), &toolkit::ItemList::changed);
    // Picked from the open list with the mouse.
    list->showPopup();
    Driver::settle();
    QAbstractItemView* view = list->view();
    d.clickAt(view->viewport(), view->visualRect(view->model()->index(index, 0)).center());
    QCOMPARE(list->currentIndex(), index);
    QCOMPARE(d.colourOf(5), ring);
    QCOMPARE(d.tolerances().pickedcolor, ring);
    QCOMPARE(d.tolerances().pickedindex, index);
    QCOMPARE(changes.count(), 1);
    // With the arrow keys, one step at a time.
    d.click(list);
    list->lineEdit()->setFocus();
    QTest::keyClick(list->lineEdit(), Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 6; ++i) QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(d.colourOf(5), clBody);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    Driver::settle();
    QCOMPARE(list->currentIndex(), index);
    QCOMPARE(d.colourOf(5), ring);
    QCOMPARE(d.tolerances().pickedindex, index);
}

void HandoffTest::dialogToList_data() {
    QTest::addColumn<uint>("stored");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    QTest::newRow("Brown") << static_cast<uint>(brownC) << 4 << "1%";
    QTest::newRow("Red") << static_cast<uint>(redC) << 3 << "2%";
    QTest::newRow("Silver") << static_cast<uint>(silverC) << 1 << "10%";
    QTest::newRow("Gold") << static_cast<uint>(goldC) << 2 << "5%";
    QTest::newRow("Green") << static_cast<uint>(greenC) << 5 << "0.5%";
    // The panel shows the dialog's face colour but stores the body's: no ring.
    QTest::newRow("None") << static_cast<uint>(clBody) << 0 << "20%";
}

void HandoffTest::dialogToList() {
    QFETCH(uint, stored);
    QFETCH(int, index);
    QFETCH(QString, item);
    Driver& d = *driver;
    auto* list = d.control<QComboBox>("Tolerance");
    // Start elsewhere, so every pick changes something.
    d.click(d.ring(5));
    d.click(d.tolerancePanel(index == 3 ? "Brown" : "Red"));
    QSignalSpy changes(static_cast<toolkit::ItemList*>(list), &toolkit::ItemList::changed);
    d.click(d.ring(5));
    QCOMPARE(d.tolerances().pos(), d.main().pos() + QPoint(136, 30));
    QCOMPARE(d.tolerances().windowTitle(), QStringLiteral("Погрешность %"));
    d.click(d.tolerancePanel(QTest::currentDataTag()));
    QVERIFY(!d.tolerances().isVisible());
    QCOMPARE(d.tolerances().pickedcolor, stored);
    QCOMPARE(d.tolerances().pickedindex, index);
    QCOMPARE(d.colourOf(5), stored);
    QCOMPARE(list->currentIndex(), index);
    QCOMPARE(list->currentText(), item);
    // The program's own setting of the list raises no change.
    QCOMPARE(changes.count(), 0);
}

void HandoffTest::typingInTheList() {
    Driver& d = *driver;
    auto* list = d.control<QComboBox>("Tolerance");
    QLineEdit* edit = list->lineEdit();
    d.click(d.ring(5));
    d.click(d.tolerancePanel("Gold"));
    d.click(list);
    edit->selectAll();
    QTest::keyClicks(edit, "abc");
    Driver::settle();
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(edit->text(), QStringLiteral("abc"));
    QCOMPARE(d.colourOf(5), goldC);
    QCOMPARE(d.tolerances().pickedindex, 255);
    QCOMPARE(d.tolerances().pickedcolor, goldC);
    // Return adds no item and keeps the text.
    QTest::keyClick(edit, Qt::Key_Return);
    Driver::settle();
    QCOMPARE(list->count(), 6);
    QCOMPARE(edit->text(), QStringLiteral("abc"));
    QCOMPARE(list->currentIndex(), -1);
    // Any activation keeps the list without a selection and the text as typed.
    d.click(d.ring(1));
    d.closeBox(&d.colours());
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(edit->text(), QStringLiteral("abc"));
    // Typing an item's text selects that item.
    d.click(list);
    edit->selectAll();
    QTest::keyClicks(edit, "2%");
    Driver::settle();
    QCOMPARE(list->currentIndex(), 3);
    QCOMPARE(d.colourOf(5), redC);
    QCOMPARE(d.tolerances().pickedindex, 3);
    // The dialog opened now shows the list's index as its own.
    d.click(list);
    edit->selectAll();
    QTest::keyClicks(edit, "7");
    d.click(d.ring(5));
    QCOMPARE(d.tolerances().pickedindex, 255);
    QCOMPARE(d.tolerances().pickedcolor, redC);
}

void HandoffTest::ringCount() {
    Driver& d = *driver;
    d.pick(1, yellow);
    d.pick(2, violet);
    d.pick(3, gold);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 ом"));
    // Clicking the checked button raises nothing.
    d.click(d.ring(2));
    d.closeBox(&d.colours());
    d.click(d.control("N4colorrings"));
    QCOMPARE(d.main().activering, 2);

    d.click(d.control("N5colorrings"));
    QCOMPARE(d.main().ringcount, 5);
    QVERIFY(!d.ring(4)->isHidden());
    QCOMPARE(d.colourOf(4), clBody);
    QCOMPARE(d.main().activering, 0);
    // Gold is no digit: ring 3 is cleared, and the value waits for ring 4.
    QCOMPARE(d.colourOf(3), clBody);
    QVERIFY(!d.valueShown());
    d.pick(3, green);
    QVERIFY(!d.valueShown());
    d.pick(4, brown);
    QCOMPARE(d.valueText(), QStringLiteral("4,75 Ком"));

    d.click(d.control("N4colorrings"));
    QCOMPARE(d.main().ringcount, 4);
    QVERIFY(d.ring(4)->isHidden());
    QCOMPARE(d.colourOf(4), brownC);
    QCOMPARE(d.main().code4, 1);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Мом"));
}

void HandoffTest::fourRingsClearsWhiteRingThree() {
    Driver& d = *driver;
    d.click(d.control("N5colorrings"));
    d.pick(1, yellow);
    d.pick(2, violet);
    d.pick(3, white);
    d.pick(4, red);
    QCOMPARE(d.valueText(), QStringLiteral("47,9 Ком"));
    d.click(d.control("N4colorrings"));
    QCOMPARE(d.colourOf(3), clBody);
    QCOMPARE(d.main().activering, 3);
    QVERIFY(!d.valueShown());
    d.pick(3, red);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));
}

void HandoffTest::kind() {
    Driver& d = *driver;
    d.pick(1, yellow);
    d.pick(2, violet);
    d.pick(3, red);
    d.click(d.control("Kohm"));
    d.click(d.ring(2));
    d.closeBox(&d.colours());
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));

    d.command("Capasitor1");
    QVERIFY(!d.action("Resistor1")->isChecked());
    QVERIFY(d.action("Capasitor1")->isChecked());
    QCOMPARE(d.control<QRadioButton>("Mohm")->text(), QStringLiteral("Мкф"));
    QCOMPARE(d.control<QRadioButton>("Kohm")->text(), QStringLiteral("Нф"));
    QCOMPARE(d.control<QRadioButton>("ohm")->text(), QStringLiteral("Пф"));
    QCOMPARE(d.control<QGroupBox>("GroupBox2")->title(), QStringLiteral("Конденсатор"));
    QVERIFY(d.control<QRadioButton>("Kohm")->isChecked());
    QCOMPARE(d.valueText(), QStringLiteral("4,7 nF"));
    QCOMPARE(d.main().activering, 0);
    QCOMPARE(colourNames({d.colourOf(1), d.colourOf(2), d.colourOf(3)}), QStringList({"yellow", "violet", "red"}));
    // The hints keep their factors.
    QVERIFY(d.control("Mohm")->toolTip().contains(QStringLiteral("1.000.000")));

    d.command("Capasitor1");
    QVERIFY(d.action("Capasitor1")->isChecked());
    QVERIFY(!d.action("Resistor1")->isChecked());
    QCOMPARE(d.valueText(), QStringLiteral("4,7 nF"));

    d.pick(3, green);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 µF"));
    d.command("Resistor1");
    QVERIFY(d.action("Resistor1")->isChecked());
    QVERIFY(!d.action("Capasitor1")->isChecked());
    QCOMPARE(d.control<QRadioButton>("Mohm")->text(), QStringLiteral("Мом"));
    QCOMPARE(d.control<QRadioButton>("Kohm")->text(), QStringLiteral("Ком"));
    QCOMPARE(d.control<QRadioButton>("ohm")->text(), QStringLiteral("ом"));
    QCOMPARE(d.control<QGroupBox>("GroupBox2")->title(), QStringLiteral("Резистор"));
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Мом"));
}

void HandoffTest::valueEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("multiplier");
    QTest::addColumn<bool>("round");
    QTest::addColumn<int>("rings");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QStringList>("colours");  // rings 1 to 4, ring 4 even when hidden
    QTest::addColumn<QString>("shown");
    QTest::newRow("4750") << "4750" << "ohm" << true << 4 << false << "4750"
                          << QStringList{"yellow", "gray", "red", "brown"} << "4,8 Ком";
    QTest::newRow("4740 clear") << "4740" << "ohm" << false << 4 << false << "4740"
                                << QStringList{"yellow", "gray", "red", "brown"} << "4,8 Ком";
    QTest::newRow("47 K") << "47" << "Kohm" << true << 4 << false << "47000"
                          << QStringList{"yellow", "violet", "orange", "red"} << "47 Ком";
    QTest::newRow("5") << "5" << "ohm" << true << 4 << false << "5" << QStringList{"green", "black", "Gold", "Silver"}
                       << "5 ом";
    QTest::newRow("990 M") << "990" << "Mohm" << true << 4 << false << "990000000"
                           << QStringList{"white", "white", "violet", "blue"} << "990 Мом";
    QTest::newRow("hex 2F") << "  $2f" << "ohm" << true << 4 << false << "47"
                            << QStringList{"yellow", "violet", "black", "Gold"} << "47 ом";
    QTest::newRow("47 nF") << "47" << "Kohm" << true << 4 << true << "47000"
                           << QStringList{"yellow", "violet", "orange", "red"} << "47 nF";
    QTest::newRow("5 rings 4701 clear") << "4701" << "ohm" << false << 5 << false << "4701"
                                        << QStringList{"yellow", "violet", "brown", "brown"} << "4,71 Ком";
    QTest::newRow("5 rings 1001 K") << "1001" << "Kohm" << true << 5 << false << "1001000"
                                    << QStringList{"brown", "black", "black", "yellow"} << "1 Мом";
    QTest::newRow("5 rings 47") << "+0047" << "ohm" << true << 5 << false << "47"
                                << QStringList{"yellow", "violet", "black", "Gold"} << "47 ом";
    QTest::newRow("5 rings 5") << "5" << "ohm" << true << 5 << false << "5"
                               << QStringList{"green", "black", "black", "Silver"} << "5 ом";
    QTest::newRow("5 rings 99950") << "99950" << "ohm" << true << 5 << false << "99950"
                                   << QStringList{"brown", "black", "black", "orange"} << "100 Ком";
}

void HandoffTest::valueEntry() {
    QFETCH(QString, entry);
    QFETCH(QString, multiplier);
    QFETCH(bool, round);
    QFETCH(int, rings);
    QFETCH(bool, capacitor);
    QFETCH(QString, actual);
    QFETCH(QStringList, colours);
    QFETCH(QString, shown);
    Driver& d = *driver;
    if (rings == 5) d.click(d.control("N5colorrings"));
    if (capacitor) d.command("Capasitor1");
    d.click(d.ring(5));
    d.click(d.tolerancePanel("Red"));
    d.click(d.control(multiplier.toLatin1().constData()));
    if (!round) d.click(d.control("round"));
    d.typeEntry(entry);
    d.click(d.control("Calculate"));
    QCOMPARE(d.control<QLabel>("actualvalue")->text(), actual);
    QCOMPARE(colourNames({d.colourOf(1), d.colourOf(2), d.colourOf(3), d.colourOf(4)}), colours);
    QCOMPARE(d.valueText(), shown);
    QCOMPARE(d.ring(4)->isHidden(), rings == 4);
    // The codes agree with the colours as the colour dialog would record them.
    const std::array<ringcode::Code, 4> codes{d.main().code1, d.main().code2, d.main().code3, d.main().code4};
    for (int n = 1; n <= 3; ++n) {
        const ringcode::Colour c = d.colourOf(n);
        if (c != blackC) QCOMPARE(codes[static_cast<std::size_t>(n - 1)], *ringcode::codeOfColour(c));
    }
    // Nothing else moved.
    QCOMPARE(d.control<QLineEdit>("Entervalue")->text(), entry);
    QCOMPARE(d.colourOf(5), redC);
    QCOMPARE(d.control<QComboBox>("Tolerance")->currentIndex(), 3);
    QCOMPARE(d.main().ringcount, rings);
    QCOMPARE(d.main().activering, 0);
}

void HandoffTest::refusal_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("multiplier");
    QTest::newRow("comma") << "4,7" << "ohm";
    QTest::newRow("empty") << "" << "ohm";
    QTest::newRow("trailing space") << "47 " << "ohm";
    QTest::newRow("letters") << "abc" << "ohm";
    QTest::newRow("Cyrillic") << "сорок" << "ohm";
    QTest::newRow("over the ohm limit") << "990000001" << "ohm";
    QTest::newRow("over the K limit") << "990001" << "Kohm";
    QTest::newRow("999 M") << "999" << "Mohm";
    QTest::newRow("zero") << "0" << "ohm";
    QTest::newRow("negative") << "-5" << "ohm";
    QTest::newRow("negative hex") << "$80000000" << "ohm";
    QTest::newRow("too long") << "2147483648" << "ohm";
}

void HandoffTest::refusal() {
    QFETCH(QString, entry);
    QFETCH(QString, multiplier);
    Driver& d = *driver;
    d.typeEntry(QStringLiteral("4750"));
    d.click(d.ring(2));
    d.closeBox(&d.colours());
    d.click(d.control("Calculate"));
    QCOMPARE(d.valueText(), QStringLiteral("4,8 Ком"));
    // Were the closing message box an activation, this would land on ring 2.
    d.colours().pickedcolor = greenC;
    d.colours().pickedcode = 5;

    d.click(d.control(multiplier.toLatin1().constData()));
    d.typeEntry(entry);
    const MessageSeen seen = d.calculateExpectingMessage();
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QStringLiteral("Величина компонента - целое число от 1 до 999М"));
    QCOMPARE(seen.title, QStringLiteral("Ошибка конвертации компонента"));
    QCOMPARE(seen.buttons, 1);
    QVERIFY(seen.noIcon);
    QCOMPARE(d.control<QLineEdit>("Entervalue")->text(), entry);
    QCOMPARE(d.control<QLabel>("actualvalue")->text(), QStringLiteral("4750"));
    QCOMPARE(colourNames({d.colourOf(1), d.colourOf(2), d.colourOf(3), d.colourOf(4)}),
             QStringList({"yellow", "gray", "red", "brown"}));
    QCOMPARE(d.main().code1, 4);
    QCOMPARE(d.main().code2, 8);
    QCOMPARE(d.main().code3, 2);
    QCOMPARE(d.valueText(), QStringLiteral("4,8 Ком"));
    QCOMPARE(QApplication::activeWindow(), &d.main());
}

void HandoffTest::foundRingsStay() {
    Driver& d = *driver;
    // An earlier pick for ring 2, then a value whose rings give ring 2 another colour.
    d.pick(2, red);
    d.typeEntry(QStringLiteral("4750"));
    d.click(d.control("Calculate"));
    QCOMPARE(d.colourOf(2), grayC);
    // Activations afterwards keep the found rings and the value that goes with them.
    d.command("About1");
    d.click(d.in(d.about(), "BitBtn1"));
    d.click(d.ring(5));
    d.closeBox(&d.tolerances());
    QCOMPARE(d.colourOf(2), grayC);
    QCOMPARE(d.main().code2, 8);
    QCOMPARE(d.valueText(), QStringLiteral("4,8 Ком"));

    // Likewise after four rings cleared a white ring 3.
    d.click(d.control("N5colorrings"));
    d.pick(3, white);
    d.click(d.control("N4colorrings"));
    QCOMPARE(d.colourOf(3), clBody);
    d.typeEntry(QStringLiteral("47"));
    d.click(d.control("Calculate"));
    d.command("About1");
    d.click(d.in(d.about(), "BitBtn1"));
    QCOMPARE(d.control<QLabel>("actualvalue")->text(), QStringLiteral("47"));
    QCOMPARE(colourNames({d.colourOf(1), d.colourOf(2), d.colourOf(3)}), QStringList({"yellow", "violet", "black"}));
    QCOMPARE(d.valueText(), QStringLiteral("47 ом"));
}

void HandoffTest::pickAfterCalculationLands() {
    Driver& d = *driver;
    d.click(d.ring(2));
    d.typeEntry(QStringLiteral("4750"));
    d.click(d.control("Calculate"));
    QVERIFY(d.colours().isVisible());
    QCOMPARE(d.colourOf(2), grayC);
    d.click(d.colourPanel(violet));
    QCOMPARE(d.colourOf(2), violetC);
    QCOMPARE(d.main().code2, 7);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));
}

void HandoffTest::roundvalue() {
    TMainform& w = driver->main();
    w.code1 = 9;
    w.code2 = 9;
    w.code3 = 2;
    w.roundvalue();
    QCOMPARE((std::array<int, 3>{w.code1, w.code2, w.code3}), (std::array<int, 3>{1, 0, 3}));
    w.ringcount = 5;
    w.code1 = 4;
    w.code2 = 7;
    w.code3 = 9;
    w.code4 = 2;
    w.roundvalue();
    QCOMPARE((std::array<int, 4>{w.code1, w.code2, w.code3, w.code4}), (std::array<int, 4>{4, 8, 0, 2}));
}

void HandoffTest::unreadableRings() {
    Driver& d = *driver;
    d.click(d.control("N5colorrings"));
    d.pick(1, yellow);
    d.pick(2, violet);
    d.pick(3, white);
    d.click(d.ring(3));  // offers gray, as a digit
    d.click(d.control("N4colorrings"));
    // The still open dialog's pick lands on ring 3, now a multiplier: gray
    // there stands for no value, and none is shown.
    d.click(d.colourPanel(gray));
    QCOMPARE(d.colourOf(3), grayC);
    QVERIFY(!d.valueShown());
    QCOMPARE(d.control<QLabel>("textfield")->text(), QStringLiteral("Выбрать цвета"));
    d.pick(3, red);
    QCOMPARE(d.valueText(), QStringLiteral("4,7 Ком"));
}

QTEST_MAIN(HandoffTest)
#include "handoff_test.moc"
