// Compiled into every test program (tests/CMakeLists.txt), so that no test
// has to remember it: before anything reads a setting, the program's
// per-user folders point into a folder of its own, removed when it ends.
// Run by hand, a test then never reads or changes the user's own settings
// (~/.config/Tagorix/Tagorix.conf), and programs that ctest runs side by side
// never see each other's port mappings. A simulator program that a test
// starts inherits the environment, and so maps its port in the same file as
// the tool under test reads.
//
// Not QStandardPaths::setTestModeEnabled: it sends every test program to one
// shared ~/.qttest, and a simulator program started by a test would write
// its mapping elsewhere.
//
// On Windows the settings live in the registry, which no environment
// variable moves: there HKEY_CURRENT_USER itself is redirected, for this
// process only, to a key of its own under "Software\Tagorix tests", deleted
// when the program ends.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <string>
#endif

namespace {

#ifdef Q_OS_WIN
const std::wstring testsKey = L"Software\\Tagorix tests";

std::wstring privateRegistryKey()
{
    return testsKey + L"\\" + std::to_wstring(QCoreApplication::applicationPid());
}

void removePrivateRegistryKey()
{
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, privateRegistryKey().c_str());
    // Gone with the last program's key; fails while others still run.
    RegDeleteKeyW(HKEY_CURRENT_USER, testsKey.c_str());
}

void usePrivateRegistryKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, privateRegistryKey().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS
        || RegOverridePredefKey(HKEY_CURRENT_USER, key) != ERROR_SUCCESS)
        qFatal("no private registry key for the settings");
    RegCloseKey(key);
    qAddPostRoutine(removePrivateRegistryKey);
}
#endif

void usePrivateUserFolders()
{
#ifdef Q_OS_WIN
    usePrivateRegistryKey();
#endif
    static const QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tagorix-test-XXXXXX"));
    if (!home.isValid())
        qFatal("no private settings folder: %s", qPrintable(home.errorString()));
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(variable, QFile::encodeName(home.filePath(QString::fromLatin1(variable))));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(usePrivateUserFolders)
