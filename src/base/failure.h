#pragma once

#include <QString>
#include <exception>

// A failure as the window's handlers trap it: a number they can test for
// (380 is skipped by the receive path, 32755 is a cancelled dialog) and a
// description they show to the user.
struct Failure : std::exception {
    int number = 0;
    QString description;
    // The system's error number behind it (errno: ENOENT, EBUSY, ...), 0 when
    // none is known. Decisions go by it: the description is in the user's
    // language, and so are the system's words in it.
    int systemError = 0;

    Failure(int number, QString description, int systemError = 0);
    const char* what() const noexcept override;

private:
    QByteArray utf8;
};

namespace FailureNumber {
constexpr int InvalidArgument = 5;
constexpr int Overflow = 6;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIoError = 57;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathNotFound = 76;
constexpr int FileAccessError = 75;
constexpr int InvalidPropertyValue = 380;
constexpr int PortNotOpen = 8018;
constexpr int PortOpenFailed = 8002;
constexpr int PortLost = 8015;
constexpr int DialogCancelled = 32755;
} // namespace FailureNumber

Failure invalidPropertyValue();
Failure overflowFailure();
Failure invalidArgument();
Failure typeMismatch();
Failure dialogCancelled();
Failure portNotOpen();
