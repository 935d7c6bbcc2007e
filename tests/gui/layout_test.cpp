// The windows as the program starts: every control's place, caption, hint and
// font, the dialogs' panels, tab order and focus, hints, and the drawing.
#include "Driver.h"

#include "toolkit/Hints.h"
#include "toolkit/PaintBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

using ringcode::clBody;
using ringcode::RingColourId;

namespace {

QString captionOf(QWidget* w) {
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* p = qobject_cast<toolkit::ColourPanel*>(w)) return p->caption();
    return {};
}

// The hint a user would see over the control, as text on its lines.
QString shownHint(QWidget* w) {
    // A tip being hidden fades out; take it away at once so only a new one counts.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("qtooltip_label")) top->hide();
    QHelpEvent event(QEvent::ToolTip, w->rect().center(), w->mapToGlobal(w->rect().center()));
    QApplication::sendEvent(w, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString lines(const char* hint) { return QString::fromUtf8(hint).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init() { driver = std::make_unique<Driver>(); }
    void cleanup() { driver.reset(); }

    void mainWindow();
    void controls_data();
    void controls();
    void startState();
    void tabOrderAndFocus();
    void hints();
    void colourDialog_data();
    void colourDialog();
    void toleranceDialog_data();
    void toleranceDialog();
    void aboutBox();
    void drawing();

private:
    std::unique_ptr<Driver> driver;
};

void LayoutTest::mainWindow() {
    TMainform& w = driver->main();
    QCOMPARE(w.objectName(), QStringLiteral("Mainform"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Velbrin"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Velbrin"));
    // The client area excludes the menu bar, and the window cannot be resized.
    QCOMPARE(w.centralWidget()->size(), QSize(291, 245));
    QCOMPARE(w.size().height(), 245 + w.menuBar()->height());
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.font().pixelSize(), 11);
    QVERIFY(!w.font().bold());
    QCOMPARE(w.font().family(), QStringLiteral("Liberation Sans"));
    // Centred on the screen at the first showing.
    const QRect screen = w.screen()->geometry();
    QCOMPARE(w.frameGeometry().topLeft(),
             QPoint((screen.width() - w.frameGeometry().width()) / 2, (screen.height() - w.frameGeometry().height()) / 2));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!w.windowIcon().isNull());

    // The menu: items, captions with their access keys, shortcuts, check marks.
    const QList<QAction*> top = w.menuBar()->actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0]->text(), QStringLiteral("&Файл"));
    QCOMPARE(top[1]->text(), QStringLiteral("&Компонент"));
    QCOMPARE(top[2]->text(), QStringLiteral("&Помощь"));
    struct Item {
        const char* name;
        int menu;
        const char* caption;
        QKeySequence shortcut;
        bool checkable, checked;
    };
    const Item items[] = {
        {"Exit1", 0, "В&ыход", {}, false, false},
        {"Resistor1", 1, "&Резистор", QKeySequence(Qt::CTRL | Qt::Key_R), true, true},
        {"Capasitor1", 1, "&Конденсатор", QKeySequence(Qt::CTRL | Qt::Key_C), true, false},
        {"ShowToolTips1", 2, "&Всплывающая подсказка", {}, true, false},
        {"About1", 2, "&О программе", {}, false, false},
    };
    for (const Item& item : items) {
        QAction* a = driver->action(item.name);
        QCOMPARE(a->text(), QString::fromUtf8(item.caption));
        QCOMPARE(a->shortcut(), item.shortcut);
        QCOMPARE(a->isCheckable(), item.checkable);
        QCOMPARE(a->isChecked(), item.checked);
        QVERIFY(top[item.menu]->menu()->actions().contains(a));
    }
    const QList<QAction*> help = top[2]->menu()->actions();
    QCOMPARE(help.size(), 3);
    QVERIFY(help[1]->isSeparator());
    QCOMPARE(help[1]->objectName(), QStringLiteral("N1"));
}

void LayoutTest::controls_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("bold");

    struct Row {
        const char* name;
        const char* parent;
        QRect geometry;
        const char* caption;
        const char* hint;
        bool bold;
    };
    const Row rows[] = {
        {"GroupBox1", "centralwidget", {5, 4, 281, 89}, "Цветовой код", "Щёлкнуть на кольце \rдля выбора цвета", true},
        {"Tol", "centralwidget", {172, 94, 114, 57}, "Погрешность", "", true},
        {"GroupBox3", "centralwidget", {5, 152, 281, 89}, "Ввести значение величины", "", true},
        {"GroupBox2", "centralwidget", {5, 94, 161, 57}, "Резистор", "Отображение величины компонента", true},
        {"PB1", "GroupBox1", {91, 8, 173, 65}, "", "", true},
        {"Ring1", "GroupBox1", {136, 32, 8, 25}, "", "Кольцо 1", true},
        {"Ring2", "GroupBox1", {152, 32, 8, 25}, "", "Кольцо 2", true},
        {"Ring3", "GroupBox1", {168, 32, 8, 25}, "", "Кольцо 3", true},
        {"Ring4", "GroupBox1", {184, 32, 8, 25}, "", "Кольцо 4", true},
        {"Ring5", "GroupBox1", {208, 32, 8, 25}, "", "Погрешность", true},
        {"N4colorrings", "GroupBox1", {24, 24, 68, 17}, "4 кольца", "Установка количества\rцветных колец - 4", false},
        {"N5colorrings", "GroupBox1", {24, 48, 68, 17}, "5 колец", "Установка количества\rцветных колец - 5", false},
        {"textfield", "GroupBox2", {16, 24, 129, 13}, "Выбрать цвета", "", true},
        {"value", "GroupBox2", {31, 24, 58, 13}, "value", "", true},
        {"dec", "GroupBox2", {93, 24, 20, 13}, "dec", "", true},
        {"enhet", "GroupBox2", {107, 24, 46, 13}, "enhet", "", true},
        {"dot", "GroupBox2", {88, 24, 5, 13}, ",", "", true},
        {"Bevel1", "GroupBox3", {16, 54, 73, 17}, "", "", true},
        {"actualvalue", "GroupBox3", {17, 57, 71, 13}, "", "Отображение введённого значения\rс множителем", false},
        {"Mohm", "GroupBox3", {96, 24, 60, 17}, "Мом", "Выбор множителя вводимого\rзначения - 1 M (1.000.000)", false},
        {"Kohm", "GroupBox3", {96, 40, 60, 17}, "Ком", "Выбор множителя вводимого\rзначения - 1 K (1000)", false},
        {"ohm", "GroupBox3", {96, 56, 60, 17}, "ом", "Выбор множителя вводимого\rзначения - 1", false},
        {"Entervalue", "GroupBox3", {16, 24, 73, 21}, "", "Ввести значение величины компонента", true},
        {"Calculate", "GroupBox3", {168, 48, 97, 25}, "Калькуляция", "Нажать для вычисления \rцветового кода", false},
        {"round", "GroupBox3", {168, 24, 97, 17}, "округлить", "Установка округления значения\rвеличины компонента.", false},
        {"Tolerance", "Tol", {24, 24, 65, 21}, "20%", "Для выбора и показа\r величины погрешности", true},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << QString::fromLatin1(r.parent) << r.geometry << QString::fromUtf8(r.caption)
                              << QString::fromUtf8(r.hint) << r.bold;
}

void LayoutTest::controls() {
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, bold);
    QWidget* w = driver->control(QTest::currentDataTag());
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(captionOf(w), caption);
    // A line break in a hint shows as one; the layout may store it either way.
    QCOMPARE(toolkit::HintSwitch::shownText(w->toolTip()), toolkit::HintSwitch::shownText(hint));
    QCOMPARE(w->font().pixelSize(), 11);
    QCOMPARE(w->font().bold(), bold);
    QCOMPARE(w->font().family(), QStringLiteral("Liberation Sans"));
}

void LayoutTest::startState() {
    Driver& d = *driver;
    for (int n : {1, 2, 3, 5}) QCOMPARE(colourName(d.colourOf(n)), QStringLiteral("body"));
    QVERIFY(d.ring(4)->isHidden());
    QCOMPARE(colourName(d.colourOf(4)), QStringLiteral("body"));
    QVERIFY(d.control<QRadioButton>("N4colorrings")->isChecked());
    QVERIFY(!d.control<QRadioButton>("N5colorrings")->isChecked());
    QVERIFY(d.control<QRadioButton>("ohm")->isChecked());
    QVERIFY(d.control<QAbstractButton>("round")->isChecked());
    QVERIFY(d.control<QLineEdit>("Entervalue")->text().isEmpty());
    QVERIFY(d.control<QLabel>("actualvalue")->text().isEmpty());
    auto* tolerance = d.control<QComboBox>("Tolerance");
    QCOMPARE(tolerance->currentIndex(), 0);
    QCOMPARE(tolerance->currentText(), QStringLiteral("20%"));
    const QStringList items{"20%", "10%", "5%", "2%", "1%", "0.5%"};
    QCOMPARE(tolerance->count(), items.size());
    for (int i = 0; i < items.size(); ++i) QCOMPARE(tolerance->itemText(i), items[i]);
    QVERIFY(!d.valueShown());
    for (const char* hidden : {"value", "dot", "dec", "enhet"}) QVERIFY(d.control(hidden)->isHidden());
    QVERIFY(d.action("Resistor1")->isChecked());
    QVERIFY(!d.action("Capasitor1")->isChecked());
    QVERIFY(!d.action("ShowToolTips1")->isChecked());
    QCOMPARE(d.main().ringcount, 4);
    QCOMPARE(d.main().activering, 0);
    for (ringcode::Code c : {d.main().code1, d.main().code2, d.main().code3, d.main().code4}) QCOMPARE(c, 0);

    // The dialogs exist, hidden, with their result fields as created (the
    // tolerance colour made the body's by the first activation).
    QCOMPARE(d.colours().objectName(), QStringLiteral("selectcolor"));
    QCOMPARE(d.tolerances().objectName(), QStringLiteral("Tolform"));
    QCOMPARE(d.about().objectName(), QStringLiteral("AboutBox"));
    QVERIFY(!d.colours().isVisible() && !d.tolerances().isVisible() && !d.about().isVisible());
    QCOMPARE(d.colours().pickedcolor, 0U);
    QCOMPARE(d.colours().pickedcode, 0);
    QCOMPARE(d.tolerances().pickedcolor, clBody);
    QCOMPARE(d.tolerances().pickedindex, 0);
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    QCOMPARE(QApplication::activeWindow(), &d.main());
}

void LayoutTest::tabOrderAndFocus() {
    Driver& d = *driver;
    QCOMPARE(QApplication::focusWidget(), d.control("N4colorrings"));
    const auto stops = [&d] {
        QStringList names;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* f = QApplication::focusWidget();
            // The list's text field stands for the list.
            if (f && f->parentWidget() && f->parentWidget()->objectName() == QLatin1String("Tolerance"))
                f = f->parentWidget();
            names << (f ? f->objectName() : QString());
        }
        return names;
    };
    QCOMPARE(stops(), QStringList({"Tolerance", "Entervalue", "ohm", "round", "Calculate", "N4colorrings"}));

    // Only the checked radio button of a group is a stop; the stop moves with the check.
    d.click(d.control("N5colorrings"));
    d.click(d.control("Mohm"));
    d.control("Calculate")->setFocus();
    QCOMPARE(stops(), QStringList({"N5colorrings", "Tolerance", "Entervalue", "Mohm", "round", "Calculate"}));
}

void LayoutTest::hints() {
    Driver& d = *driver;
    // Off at start: nowhere a hint.
    const auto everything = d.main().findChildren<QWidget*>();
    for (QWidget* w : everything) QVERIFY2(shownHint(w).isEmpty(), qPrintable(w->objectName()));

    d.command("ShowToolTips1");
    QVERIFY(d.action("ShowToolTips1")->isChecked());
    // Over the drawn body between rings: the ring area's hint, on two lines.
    QWidget* pb1 = d.control("PB1");
    shownHint(d.control("Tol"));
    QHelpEvent overBody(QEvent::ToolTip, QPoint(57, 36), pb1->mapToGlobal(QPoint(57, 36)));
    QApplication::sendEvent(pb1, &overBody);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), lines("Щёлкнуть на кольце \rдля выбора цвета"));
    QCOMPARE(shownHint(d.ring(1)), lines("Кольцо 1"));
    QCOMPARE(shownHint(d.ring(5)), lines("Погрешность"));
    for (const char* label : {"textfield", "value", "dot", "dec", "enhet"})
        QCOMPARE(shownHint(d.control(label)), lines("Отображение величины компонента"));
    QCOMPARE(shownHint(d.control("N5colorrings")), lines("Установка количества\rцветных колец - 5"));
    QCOMPARE(shownHint(d.control("Tolerance")->findChild<QLineEdit*>()), lines("Для выбора и показа\r величины погрешности"));
    QCOMPARE(shownHint(d.control("Calculate")), lines("Нажать для вычисления \rцветового кода"));
    QVERIFY(shownHint(d.control("Tol")).isEmpty());
    // The old library's line break, a carriage return, shows as a line break too.
    d.ring(1)->setToolTip(QStringLiteral("Кольцо\r1"));
    QCOMPARE(shownHint(d.ring(1)), QStringLiteral("Кольцо\n1"));
    QVERIFY(shownHint(d.control("Bevel1")).isEmpty());
    QCOMPARE(shownHint(d.control("actualvalue")), lines("Отображение введённого значения\rс множителем"));

    d.command("ShowToolTips1");
    QVERIFY(!d.action("ShowToolTips1")->isChecked());
    for (QWidget* w : everything) QVERIFY2(shownHint(w).isEmpty(), qPrintable(w->objectName()));
}

void LayoutTest::colourDialog_data() {
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QColor>("captionColour");  // invalid: the window's text colour
    QTest::addColumn<bool>("visible");
    const QColor white(255, 255, 255), black(0, 0, 0);
    QTest::newRow("black") << QPoint(6, 6) << "Чёрный" << 0x00000000U << white << true;
    QTest::newRow("brown") << QPoint(86, 6) << "Коричневый" << 0x00194494U << white << true;
    QTest::newRow("red") << QPoint(166, 6) << "Красный" << 0x000000FFU << black << true;
    QTest::newRow("yellow") << QPoint(326, 6) << "Жёлтый" << 0x0000FFFFU << black << true;
    QTest::newRow("green") << QPoint(6, 38) << "Зелёный" << 0x00008000U << black << true;
    QTest::newRow("blue") << QPoint(86, 38) << "Голубой" << 0x00D70000U << white << true;
    QTest::newRow("orange") << QPoint(246, 6) << "Оранжевый" << 0x00008CFFU << black << true;
    QTest::newRow("violet") << QPoint(166, 38) << "Фиолетовый" << 0x00800080U << white << true;
    QTest::newRow("gray") << QPoint(246, 38) << "Серый" << 0x00808080U << black << true;
    QTest::newRow("white") << QPoint(326, 38) << "Белый" << 0x00FFFFFFU << black << true;
    QTest::newRow("Gold") << QPoint(326, 38) << "Золотистый" << 0x005AA8C8U << black << false;
    QTest::newRow("Silver") << QPoint(246, 38) << "Серебристый" << 0x00C0C0C0U << QColor() << false;
}

void LayoutTest::colourDialog() {
    QFETCH(QPoint, place);
    QFETCH(QString, caption);
    QFETCH(uint, colour);
    QFETCH(QColor, captionColour);
    QFETCH(bool, visible);
    Tselectcolor& dialog = driver->colours();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select color"));
    QCOMPARE(dialog.size(), QSize(406, 70));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.pos(), QPoint(266, 186));
    QCOMPARE(dialog.font().pixelSize(), 14);
    auto* panel = driver->in<toolkit::ColourPanel>(dialog, QTest::currentDataTag());
    QCOMPARE(panel->geometry(), QRect(place, QSize(75, 27)));
    QCOMPARE(panel->caption(), caption);
    QCOMPARE(panel->colour(), colour);
    QCOMPARE(panel->textColour(), captionColour);
    QCOMPARE(panel->bevel(), toolkit::ColourPanel::DoubleSunken);
    QCOMPARE(!panel->isHidden(), visible);
    QCOMPARE(panel->font().pixelSize(), 11);
    QVERIFY(!panel->font().bold());
    QCOMPARE(panel->focusPolicy(), Qt::NoFocus);
}

void LayoutTest::toleranceDialog_data() {
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("ownColour");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QColor>("captionColour");
    const QColor white(255, 255, 255), black(0, 0, 0);
    QTest::newRow("Brown") << QPoint(87, 6) << "Коричневый" << true << 0x00194494U << white;
    QTest::newRow("Red") << QPoint(168, 6) << "Красный" << true << 0x000000FFU << black;
    QTest::newRow("Silver") << QPoint(87, 38) << "Серебристый" << true << 0x00C0C0C0U << black;
    QTest::newRow("Gold") << QPoint(6, 38) << "Золотистый" << true << 0x005AA8C8U << black;
    QTest::newRow("Green") << QPoint(6, 6) << "Зелёный" << true << 0x00008000U << black;
    QTest::newRow("None") << QPoint(168, 38) << "Отсутствует" << false << 0U << black;
}

void LayoutTest::toleranceDialog() {
    QFETCH(QPoint, place);
    QFETCH(QString, caption);
    QFETCH(bool, ownColour);
    QFETCH(uint, colour);
    QFETCH(QColor, captionColour);
    TTolform& dialog = driver->tolerances();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Погрешность %"));
    QCOMPARE(dialog.size(), QSize(249, 70));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.pos(), QPoint(385, 188));
    auto* panel = driver->tolerancePanel(QTest::currentDataTag());
    QCOMPARE(panel->geometry(), QRect(place, QSize(75, 27)));
    QCOMPARE(panel->caption(), caption);
    QCOMPARE(panel->hasOwnColour(), ownColour);
    if (ownColour) QCOMPARE(panel->colour(), colour);
    QCOMPARE(panel->textColour(), captionColour);
    QCOMPARE(panel->bevel(), toolkit::ColourPanel::DoubleSunken);
    QVERIFY(!panel->isHidden());
    QCOMPARE(panel->font().pixelSize(), 11);
}

void LayoutTest::aboutBox() {
    Driver& d = *driver;
    TAboutBox& box = d.about();
    QCOMPARE(box.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(box.size(), QSize(280, 207));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(box.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(d.in(box, "Image1")->geometry(), QRect(24, 18, 33, 33));
    auto* image = d.in<QLabel>(box, "Image1");
    QCOMPARE(image->pixmap().size(), QSize(32, 32));
    QVERIFY(!image->hasScaledContents());
    auto* label = d.in<QLabel>(box, "Label1");
    QCOMPARE(label->geometry(), QRect(80, 16, 177, 48));
    QCOMPARE(label->text(), QStringLiteral("Velbrin Резисторов и Конденсаторов"));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().pixelSize(), 13);
    QCOMPARE(d.in(box, "Bevel1")->geometry(), QRect(16, 10, 49, 49));
    QCOMPARE(d.in(box, "Bevel2")->geometry(), QRect(16, 72, 249, 9));
    auto* ok = d.in<QPushButton>(box, "BitBtn1");
    QCOMPARE(ok->geometry(), QRect(88, 176, 97, 25));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());

    // Centred at the first showing only; choosing the item again keeps one box.
    d.command("About1");
    QVERIFY(box.isVisible());
    QVERIFY(!ok->icon().isNull());
    const QRect screen = box.screen()->geometry();
    QCOMPARE(box.pos(), QPoint((screen.width() - box.frameGeometry().width()) / 2,
                               (screen.height() - box.frameGeometry().height()) / 2));
    QCOMPARE(d.program().activation.activeWindow(), &box);
    QCOMPARE(QApplication::focusWidget(), ok);
    d.command("About1");
    QCOMPARE(d.program().activation.activeWindow(), &box);
    QCOMPARE(QApplication::topLevelWidgets().count(&box), 1);
    box.move(20, 30);
    // Enter presses OK; Escape does nothing.
    QTest::keyClick(ok, Qt::Key_Escape);
    QVERIFY(box.isVisible());
    QTest::keyClick(ok, Qt::Key_Return);
    Driver::settle();
    QVERIFY(!box.isVisible());
    QCOMPARE(d.program().activation.activeWindow(), &d.main());
    d.command("About1");
    QCOMPARE(box.pos(), QPoint(20, 30));
    d.click(ok);
    QVERIFY(!box.isVisible());
    d.command("About1");
    d.closeBox(&box);
    QVERIFY(!box.isVisible());
}

void LayoutTest::drawing() {
    Driver& d = *driver;
    QWidget* pb1 = d.control("PB1");
    const QImage first = pb1->grab().toImage();
    const QColor body = toolkit::toQColor(clBody);
    const QColor face = pb1->palette().color(QPalette::Window);
    const auto at = [&first](int x, int y) { return first.pixelColor(x, y); };
    // The body's face: every pixel from (34, 24) to (134, 47).
    for (int y = 24; y <= 47; ++y)
        for (int x = 34; x <= 134; ++x) QCOMPARE(at(x, y), body);
    // Its outline and the leads, black; around them the face colour.
    for (int x = 10; x <= 32; ++x) QCOMPARE(at(x, 36), QColor(Qt::black));
    for (int x = 137; x <= 159; ++x) QCOMPARE(at(x, 36), QColor(Qt::black));
    for (QPoint p : {QPoint(33, 36), QPoint(135, 36), QPoint(80, 23), QPoint(80, 48)}) QCOMPARE(at(p.x(), p.y()), QColor(Qt::black));
    for (QPoint p : {QPoint(8, 36), QPoint(161, 36), QPoint(80, 20), QPoint(80, 51), QPoint(20, 30), QPoint(5, 5)})
        QCOMPARE(at(p.x(), p.y()), face);
    // The rings lie over the body as panels of their own; the drawing is the
    // same whatever they show, after every repaint.
    d.pick(1, RingColourId::yellow);
    d.pick(2, RingColourId::violet);
    pb1->repaint();
    QCOMPARE(pb1->grab().toImage(), first);
    d.click(d.control("N5colorrings"));
    d.main().hide();
    d.main().show();
    Driver::settle();
    QCOMPARE(pb1->grab().toImage(), first);
    // Over the body the ring panels are what the window shows.
    const QImage window = d.control("GroupBox1")->grab().toImage();
    QCOMPARE(window.pixelColor(d.ring(1)->geometry().center()), toolkit::toQColor(0x0000FFFF));
    QCOMPARE(window.pixelColor(d.ring(4)->geometry().center()), body);
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
