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
// Settings that do not live in files (the Windows registry) are to be kept
// apart here as well.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void usePrivateUserFolders()
{
    static const QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tagorix-test-XXXXXX"));
    if (!home.isValid())
        qFatal("no private settings folder: %s", qPrintable(home.errorString()));
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(variable, QFile::encodeName(home.filePath(QString::fromLatin1(variable))));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(usePrivateUserFolders)
