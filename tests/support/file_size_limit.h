#pragma once

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process grows beyond the given size: a
// write that would fails part-way, then with "File too large", as a write to
// a full disk does. Pipes and terminals are not limited.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
        : previousHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*previousHandler)(int);
    rlimit previous{};
};
#else
// Elsewhere there is no per-process file-size limit: it limits nothing, and
// the tests that need it skip first (SKIP_UNLESS_LINUX("a file-size limit")).
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64) {}
};
#endif
