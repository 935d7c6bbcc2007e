// Runs the program's windows for a test and works them the way a user does:
// clicks, keys and close boxes sent through the window system.
#pragma once

#include "app/Program.h"
#include "engine/ringcode.h"
#include "toolkit/ColourPanel.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;

struct MessageSeen {
    bool shown = false;
    QString text, title;
    int buttons = 0;
    bool noIcon = false;
};

class Driver {
public:
    Driver();  // creates the windows and starts the program
    ~Driver();

    Program& program() { return *program_; }
    TMainform& main() { return program_->Mainform; }
    Tselectcolor& colours() { return program_->selectcolor; }
    TTolform& tolerances() { return program_->Tolform; }
    TAboutBox& about() { return program_->AboutBox; }

    template <class T = QWidget>
    T* in(QWidget& window, const char* name) {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    template <class T = QWidget>
    T* control(const char* name) { return in<T>(main(), name); }

    toolkit::ColourPanel* ring(int n);
    toolkit::ColourPanel* colourPanel(ringcode::RingColourId id);
    toolkit::ColourPanel* tolerancePanel(const char* name);
    QAction* action(const char* name);

    // Lets the window system deliver what it has queued.
    static void settle();
    void click(QWidget* w);
    void clickAt(QWidget* w, QPoint p);
    void closeBox(QWidget* window);
    void pick(int ringNumber, ringcode::RingColourId id);
    void typeEntry(const QString& text);
    static void typeText(QWidget* w, const QString& text);
    void command(const char* actionName);  // a menu command, chosen with the mouse

    // Answers the next modal message box with OK and reports what it showed.
    MessageSeen calculateExpectingMessage();

    // The value area: empty while it asks for colours.
    bool valueShown();
    QString valueText();
    ringcode::Colour colourOf(int n) { return ring(n)->colour(); }

private:
    std::unique_ptr<Program> program_;
};

// The names of the colours as the layout names their panels.
QString colourName(ringcode::Colour colour);
