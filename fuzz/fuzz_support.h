#pragma once

// What the fuzz targets without a window share.

#include <QCoreApplication>
#include <cstdlib>

// The application object, made once and kept for the process's life (libFuzzer
// runs the inputs until it ends the process).
inline void startCoreApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    (void)app;
}

// A property the target holds the code to: a breach ends the run as a crash,
// and libFuzzer saves the input.
inline void check(bool holds)
{
    if (!holds)
        std::abort();
}
