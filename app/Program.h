// The program's windows, created once each in this order and kept until the
// end: the main window, the colour choice dialog, the tolerance dialog and
// the About box.
#pragma once

#include "forms/Aboutres.h"
#include "forms/Mainres.h"
#include "forms/Selcolor.h"
#include "forms/Tolcolor.h"
#include "toolkit/Activation.h"

class Program {
public:
    // Needs the application object; sets the application's title and icon.
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window, centred; its first activation runs FormActivate.
    void start();

private:
    struct ApplicationSetUp {
        ApplicationSetUp();
    } setUp_;  // first: the windows need the title and the resources

public:
    toolkit::Activation activation;
    TMainform Mainform;
    Tselectcolor selectcolor;
    TTolform Tolform;
    TAboutBox AboutBox;
};
