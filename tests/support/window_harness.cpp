#include "support/window_harness.h"

WindowHarness::WindowHarness()
    : WindowHarness(QMap<QString, QString>{})
{
}

WindowHarness::WindowHarness(const QMap<QString, QString>& storedSettings)
{
    fakes.settings.values = storedSettings;
    window = std::make_unique<MainWindow>(fakes.platform);
}
