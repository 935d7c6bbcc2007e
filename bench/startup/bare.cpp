// The toolkit's floor: a Qt Widgets program that shows one empty window, or
// with --text one line of Cyrillic text, the least a window with words costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(291, 267);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        auto* label = new QLabel(QStringLiteral("Выбрать цвета"), &window);
        label->setFont(font);
        label->move(20, 40);
    }
    window.show();
    return QApplication::exec();
}
