#pragma once

#include "app/main_window.h"
#include "platform/fake/fake_platform.h"

#include <memory>

// The whole window on fakes: virtual clock, scripted dialogs, a fake port
// and an in-memory settings store.
struct WindowHarness {
    FakePlatform fakes;
    std::unique_ptr<MainWindow> window;

    WindowHarness();
    explicit WindowHarness(const QMap<QString, QString>& storedSettings);

    Form1& form() { return window->form(); }
    // Lines the program sent, without their CR.
    QList<QByteArray> sent() const { return fakes.port.sentLines(); }
};
