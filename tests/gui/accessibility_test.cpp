// What a screen reader learns through Qt's accessibility interfaces: the ring
// panels named after their hint and present colour, following every change;
// the value area as one text; the dialogs' panels as buttons named by their
// captions; a name for everything a user can reach.
#include "Driver.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QTest>

using ringcode::RingColourId;
using enum ringcode::RingColourId;

namespace {

QAccessibleInterface* accessible(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface) qFatal("no accessible interface for %s", qPrintable(w->objectName()));
    return iface;
}

QString nameOf(QWidget* w) { return accessible(w)->text(QAccessible::Name); }

const QString notSet = QStringLiteral("не задано");

QString ringName(int n, const char* colour) {
    return QStringLiteral("Кольцо %1: %2").arg(n).arg(QString::fromUtf8(colour));
}

QString toleranceName(const char* caption) {
    return QStringLiteral("Погрешность: ") + QString::fromUtf8(caption);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { driver = std::make_unique<Driver>(); }
    void cleanup() { driver.reset(); }

    void atStart();
    void pickedColour_data();
    void pickedColour();
    void pressWithoutMouse();
    void calculation();
    void ringCount();
    void tolerance_data();
    void tolerance();
    void valueArea_data();
    void valueArea();
    void colourDialogPanels_data();
    void colourDialogPanels();
    void toleranceDialogPanels_data();
    void toleranceDialogPanels();
    void everythingReachableHasAName();

private:
    std::unique_ptr<Driver> driver;
};

void AccessibilityTest::atStart() {
    Driver& d = *driver;
    for (int n : {1, 2, 3, 4}) QCOMPARE(nameOf(d.ring(n)), QStringLiteral("Кольцо %1: ").arg(n) + notSet);
    QCOMPARE(nameOf(d.ring(5)), toleranceName("Отсутствует"));
    for (int n : {1, 2, 3, 5}) {
        QAccessibleInterface* ring = accessible(d.ring(n));
        QCOMPARE(ring->role(), QAccessible::Button);
        QVERIFY(!ring->state().invisible);
        QVERIFY(ring->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        // The hint stays what it was; the reader has it as the description.
        QCOMPARE(ring->text(QAccessible::Description), n == 5 ? QStringLiteral("Погрешность") : QStringLiteral("Кольцо %1").arg(n));
    }
    QVERIFY(accessible(d.ring(4))->state().invisible);
    QCOMPARE(nameOf(d.control("GroupBox2")), QStringLiteral("Резистор: Выбрать цвета"));
}

void AccessibilityTest::pickedColour_data() {
    QTest::addColumn<int>("rings");
    QTest::addColumn<int>("ring");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("name");
    struct Row {
        int rings, ring;
        RingColourId colour;
        const char* caption;
    };
    const Row rows[] = {
        {4, 1, brown, "Коричневый"}, {4, 1, yellow, "Жёлтый"},  {4, 1, white, "Белый"},
        {4, 2, black, "Чёрный"},     {4, 2, red, "Красный"},    {4, 2, orange, "Оранжевый"},
        {4, 2, green, "Зелёный"},    {4, 2, blue, "Голубой"},   {4, 2, violet, "Фиолетовый"},
        {4, 2, gray, "Серый"},       {4, 3, gold, "Золотистый"}, {4, 3, silver, "Серебристый"},
        {5, 3, white, "Белый"},      {5, 4, silver, "Серебристый"}, {5, 4, blue, "Голубой"},
    };
    for (const Row& r : rows)
        QTest::addRow("%d rings, ring %d %s", r.rings, r.ring, ringcode::ringColour(r.colour).panel.data())
            << r.rings << r.ring << static_cast<int>(r.colour) << ringName(r.ring, r.caption);
}

void AccessibilityTest::pickedColour() {
    QFETCH(int, rings);
    QFETCH(int, ring);
    QFETCH(int, colour);
    QFETCH(QString, name);
    Driver& d = *driver;
    if (rings == 5) d.click(d.control("N5colorrings"));
    d.pick(ring, static_cast<RingColourId>(colour));
    QCOMPARE(nameOf(d.ring(ring)), name);
    for (int other = 1; other <= rings - 1; ++other)
        if (other != ring) QCOMPARE(nameOf(d.ring(other)), QStringLiteral("Кольцо %1: ").arg(other) + notSet);
    // Another activation applies the pick again: the name stays.
    d.click(d.ring(5));
    d.closeBox(&d.tolerances());
    QCOMPARE(nameOf(d.ring(ring)), name);
}

void AccessibilityTest::pressWithoutMouse() {
    Driver& d = *driver;
    // A screen reader's press opens the dialog and picks, as clicks do.
    accessible(d.ring(2))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Driver::settle();
    QVERIFY(d.colours().isVisible());
    QCOMPARE(d.colours().windowTitle(), QStringLiteral("Кольцо2"));
    accessible(d.colourPanel(red))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Driver::settle();
    QVERIFY(!d.colours().isVisible());
    QCOMPARE(d.colourOf(2), ringcode::Colour{0x000000FF});
    QCOMPARE(nameOf(d.ring(2)), ringName(2, "Красный"));

    accessible(d.ring(5))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Driver::settle();
    QVERIFY(d.tolerances().isVisible());
    accessible(d.tolerancePanel("Gold"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Driver::settle();
    QVERIFY(!d.tolerances().isVisible());
    QCOMPARE(nameOf(d.ring(5)), toleranceName("Золотистый"));

    // A panel the dialog does not offer cannot be pressed.
    d.click(d.ring(1));
    accessible(d.colourPanel(black))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Driver::settle();
    QVERIFY(d.colours().isVisible());
    QCOMPARE(d.colours().pickedcolor, ringcode::clBody);
}

void AccessibilityTest::calculation() {
    Driver& d = *driver;
    d.pick(2, blue);
    // 4750 rounds to 4,8 Ком: yellow, gray, red.
    d.typeEntry(QStringLiteral("4750"));
    d.click(d.control("Calculate"));
    QCOMPARE(nameOf(d.ring(1)), ringName(1, "Жёлтый"));
    QCOMPARE(nameOf(d.ring(2)), ringName(2, "Серый"));
    QCOMPARE(nameOf(d.ring(3)), ringName(3, "Красный"));
    QCOMPARE(nameOf(d.control("GroupBox2")), QStringLiteral("Резистор: 4,8 Ком"));

    // Without rounding, five rings: yellow, violet, green, brown.
    d.click(d.control("N5colorrings"));
    d.click(d.control("round"));
    d.click(d.control("Calculate"));
    QCOMPARE(nameOf(d.ring(1)), ringName(1, "Жёлтый"));
    QCOMPARE(nameOf(d.ring(2)), ringName(2, "Фиолетовый"));
    QCOMPARE(nameOf(d.ring(3)), ringName(3, "Зелёный"));
    QCOMPARE(nameOf(d.ring(4)), ringName(4, "Коричневый"));
    QCOMPARE(nameOf(d.control("GroupBox2")), QStringLiteral("Резистор: 4,75 Ком"));
}

void AccessibilityTest::ringCount() {
    Driver& d = *driver;
    QWidget* valueArea = d.control("GroupBox2");
    // Five rings: a white third digit; back to four it is no multiplier and goes.
    d.click(d.control("N5colorrings"));
    QVERIFY(!accessible(d.ring(4))->state().invisible);
    d.pick(1, yellow);
    d.pick(2, violet);
    d.pick(3, white);
    d.pick(4, red);
    QCOMPARE(nameOf(valueArea), QStringLiteral("Резистор: 47,9 Ком"));
    d.click(d.control("N4colorrings"));
    QCOMPARE(nameOf(d.ring(3)), QStringLiteral("Кольцо 3: ") + notSet);
    QCOMPARE(nameOf(d.ring(1)), ringName(1, "Жёлтый"));
    QVERIFY(accessible(d.ring(4))->state().invisible);
    QCOMPARE(nameOf(valueArea), QStringLiteral("Резистор: Выбрать цвета"));

    // Four rings: a gold multiplier; with five rings ring 3 is a digit, and
    // ring 4 starts unset.
    d.pick(3, gold);
    QCOMPARE(nameOf(d.ring(3)), ringName(3, "Золотистый"));
    QCOMPARE(nameOf(valueArea), QStringLiteral("Резистор: 4,7 ом"));
    d.click(d.control("N5colorrings"));
    QCOMPARE(nameOf(d.ring(3)), QStringLiteral("Кольцо 3: ") + notSet);
    QCOMPARE(nameOf(d.ring(4)), QStringLiteral("Кольцо 4: ") + notSet);
    QCOMPARE(nameOf(valueArea), QStringLiteral("Резистор: Выбрать цвета"));
}

void AccessibilityTest::tolerance_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("name");
    QTest::newRow("20%") << 0 << "None" << toleranceName("Отсутствует");
    QTest::newRow("10%") << 1 << "Silver" << toleranceName("Серебристый");
    QTest::newRow("5%") << 2 << "Gold" << toleranceName("Золотистый");
    QTest::newRow("2%") << 3 << "Red" << toleranceName("Красный");
    QTest::newRow("1%") << 4 << "Brown" << toleranceName("Коричневый");
    QTest::newRow("0.5%") << 5 << "Green" << toleranceName("Зелёный");
}

void AccessibilityTest::tolerance() {
    QFETCH(int, index);
    QFETCH(QString, panel);
    QFETCH(QString, name);
    Driver& d = *driver;
    // Start elsewhere, so every change changes the name.
    const char* other = index == 3 ? "Brown" : "Red";
    d.click(d.ring(5));
    d.click(d.tolerancePanel(other));
    QVERIFY(nameOf(d.ring(5)) != name);

    // From the dialog.
    d.click(d.ring(5));
    d.click(d.tolerancePanel(panel.toLatin1().constData()));
    QCOMPARE(nameOf(d.ring(5)), name);

    // From the list, with the mouse on its drop-down.
    d.click(d.ring(5));
    d.click(d.tolerancePanel(other));
    auto* list = d.control<QComboBox>("Tolerance");
    list->showPopup();
    Driver::settle();
    QAbstractItemView* view = list->view();
    d.clickAt(view->viewport(), view->visualRect(view->model()->index(index, 0)).center());
    QCOMPARE(list->currentIndex(), index);
    QCOMPARE(nameOf(d.ring(5)), name);
}

void AccessibilityTest::valueArea_data() {
    QTest::addColumn<int>("rings");
    QTest::addColumn<QList<int>>("colours");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<QString>("name");
    const auto ids = [](std::initializer_list<RingColourId> list) {
        QList<int> out;
        for (RingColourId id : list) out << static_cast<int>(id);
        return out;
    };
    QTest::newRow("none set") << 4 << ids({}) << false << "Резистор: Выбрать цвета";
    QTest::newRow("two of three") << 4 << ids({yellow, violet}) << false << "Резистор: Выбрать цвета";
    QTest::newRow("4,7 Ком") << 4 << ids({yellow, violet, red}) << false << "Резистор: 4,7 Ком";
    QTest::newRow("4,7 nF") << 4 << ids({yellow, violet, red}) << true << "Конденсатор: 4,7 nF";
    QTest::newRow("47 ом") << 4 << ids({yellow, violet, black}) << false << "Резистор: 47 ом";
    QTest::newRow("0,47 ом") << 4 << ids({yellow, violet, silver}) << false << "Резистор: 0,47 ом";
    QTest::newRow("1 µF") << 4 << ids({brown, black, green}) << true << "Конденсатор: 1 µF";
    QTest::newRow("1,05 Ком") << 5 << ids({brown, black, green, brown}) << false << "Резистор: 1,05 Ком";
    QTest::newRow("three of four") << 5 << ids({brown, black, green}) << false << "Резистор: Выбрать цвета";
}

void AccessibilityTest::valueArea() {
    QFETCH(int, rings);
    QFETCH(QList<int>, colours);
    QFETCH(bool, capacitor);
    QFETCH(QString, name);
    Driver& d = *driver;
    if (rings == 5) d.click(d.control("N5colorrings"));
    if (capacitor) d.command("Capasitor1");
    for (int i = 0; i < colours.size(); ++i) d.pick(i + 1, static_cast<RingColourId>(colours[i]));
    QWidget* area = d.control("GroupBox2");
    QCOMPARE(nameOf(area), name);
    // The same text the labels show, read as one.
    const QString shown = d.valueShown() ? d.valueText() : QStringLiteral("Выбрать цвета");
    QVERIFY(name.endsWith(QStringLiteral(": ") + shown));
    // The kind follows too, and the hint stays the description.
    d.command(capacitor ? "Resistor1" : "Capasitor1");
    QVERIFY(nameOf(area).startsWith(capacitor ? QStringLiteral("Резистор: ") : QStringLiteral("Конденсатор: ")));
    QCOMPARE(accessible(area)->text(QAccessible::Description), QStringLiteral("Отображение величины компонента"));
}

void AccessibilityTest::colourDialogPanels_data() {
    QTest::addColumn<QString>("caption");
    QTest::newRow("black") << "Чёрный";
    QTest::newRow("brown") << "Коричневый";
    QTest::newRow("red") << "Красный";
    QTest::newRow("orange") << "Оранжевый";
    QTest::newRow("yellow") << "Жёлтый";
    QTest::newRow("green") << "Зелёный";
    QTest::newRow("blue") << "Голубой";
    QTest::newRow("violet") << "Фиолетовый";
    QTest::newRow("gray") << "Серый";
    QTest::newRow("white") << "Белый";
    QTest::newRow("Gold") << "Золотистый";
    QTest::newRow("Silver") << "Серебристый";
}

void AccessibilityTest::colourDialogPanels() {
    QFETCH(QString, caption);
    Driver& d = *driver;
    // Ring 3 with four rings offers gold and silver; ring 2 the others.
    const bool multiplierOnly = caption == QStringLiteral("Золотистый") || caption == QStringLiteral("Серебристый");
    d.click(d.ring(multiplierOnly ? 3 : 2));
    QWidget* panel = d.in(d.colours(), QTest::currentDataTag());
    QAccessibleInterface* iface = accessible(panel);
    QCOMPARE(iface->text(QAccessible::Name), caption);
    QCOMPARE(iface->role(), QAccessible::Button);
    QVERIFY(!iface->state().invisible);
    QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(iface->parent()->object(), &d.colours());
    QCOMPARE(accessible(&d.colours())->text(QAccessible::Name), QStringLiteral("Кольцо%1").arg(multiplierOnly ? 3 : 2));
    QCOMPARE(accessible(&d.colours())->role(), QAccessible::Dialog);
}

void AccessibilityTest::toleranceDialogPanels_data() {
    QTest::addColumn<QString>("caption");
    QTest::newRow("Brown") << "Коричневый";
    QTest::newRow("Red") << "Красный";
    QTest::newRow("Silver") << "Серебристый";
    QTest::newRow("Gold") << "Золотистый";
    QTest::newRow("Green") << "Зелёный";
    QTest::newRow("None") << "Отсутствует";
}

void AccessibilityTest::toleranceDialogPanels() {
    QFETCH(QString, caption);
    Driver& d = *driver;
    d.click(d.ring(5));
    QAccessibleInterface* iface = accessible(d.tolerancePanel(QTest::currentDataTag()));
    QCOMPARE(iface->text(QAccessible::Name), caption);
    QCOMPARE(iface->role(), QAccessible::Button);
    QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(accessible(&d.tolerances())->text(QAccessible::Name), QStringLiteral("Погрешность %"));
    QCOMPARE(accessible(&d.tolerances())->role(), QAccessible::Dialog);
}

void AccessibilityTest::everythingReachableHasAName() {
    Driver& d = *driver;
    d.click(d.ring(1));
    d.click(d.ring(5));
    d.command("About1");
    for (QWidget* window : {static_cast<QWidget*>(&d.main()), static_cast<QWidget*>(&d.colours()),
                            static_cast<QWidget*>(&d.tolerances()), static_cast<QWidget*>(&d.about())}) {
        QVERIFY(!nameOf(window).isEmpty());
        QCOMPARE(accessible(window)->role(), window == &d.main() ? QAccessible::Window : QAccessible::Dialog);
        const auto controls = window->findChildren<QWidget*>();
        for (QWidget* w : controls) {
            if (!w->isVisibleTo(window)) continue;
            QAccessibleInterface* iface = accessible(w);
            const bool reachable = w->focusPolicy() & Qt::TabFocus || iface->role() == QAccessible::Button;
            if (reachable) QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName() + QLatin1Char(' ') + QLatin1String(w->metaObject()->className())));
        }
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
