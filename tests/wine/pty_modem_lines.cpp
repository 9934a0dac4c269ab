// Preloaded into Wine by scripts/windows.sh for the COM5 read-out: Wine's COM
// port on a pseudo-terminal asks the pty for its modem lines while it waits
// for received bytes, and a pty has none, so the wait ends at once and Qt
// SerialPort never hears of the bytes. Here a pty answers as a serial port
// with DSR, CTS and carrier on, and takes any setting of DTR and RTS.

#include <cstdarg>
#include <dlfcn.h>
#include <sys/ioctl.h>
#include <unistd.h>

extern "C" int ioctl(int fd, unsigned long request, ...) noexcept
{
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    using Ioctl = int (*)(int, unsigned long, void*);
    static const auto real = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
    const int result = real(fd, request, argument);
    if (result == 0 || !isatty(fd))
        return result;
    switch (request) {
    case TIOCMGET:
        *static_cast<int*>(argument) = TIOCM_DSR | TIOCM_CTS | TIOCM_CAR;
        return 0;
    case TIOCMSET:
    case TIOCMBIS:
    case TIOCMBIC:
        return 0;
    default:
        return result;
    }
}
