#include "platform/crashdump.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CrashDump {

namespace {

constexpr int kPathSize = 4096;
constexpr int kFrames = 64;
constexpr int kAltStackSize = 64 * 1024;
const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Everything the handler reads is prepared here beforehand; the handler never
// allocates.
char g_folder[kPathSize];
std::atomic<long> g_utcOffset {0};
std::atomic<bool> g_installed {false};
char g_altStack[kAltStackSize];

long localUtcOffset()
{
    const time_t now = time(nullptr);
    struct tm local;
    if (!localtime_r(&now, &local))
        return 0;
    return local.tm_gmtoff;
}

// Small writers that only use write(2).
void writeText(int fd, const char *text)
{
    size_t left = strlen(text);
    while (left > 0) {
        const ssize_t n = write(fd, text, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        text += n;
        left -= static_cast<size_t>(n);
    }
}

void writeNumber(int fd, unsigned long value, unsigned base)
{
    char digits[32];
    int pos = sizeof(digits) - 1;
    digits[pos] = '\0';
    do {
        const unsigned d = value % base;
        digits[--pos] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        value /= base;
    } while (value > 0 && pos > 0);
    writeText(fd, digits + pos);
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "signal";
    }
}

void copyFile(const char *path, int out)
{
    const int in = open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    static char buffer[4096];
    for (;;) {
        const ssize_t n = read(in, buffer, sizeof(buffer) - 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        buffer[n] = '\0';
        writeText(out, buffer);
    }
    close(in);
}

// Appends src to dst (capacity kPathSize) and reports whether it fitted.
bool append(char *dst, const char *src)
{
    const size_t used = strlen(dst);
    const size_t add = strlen(src);
    if (used + add + 1 > static_cast<size_t>(kPathSize))
        return false;
    memcpy(dst + used, src, add + 1);
    return true;
}

void writeDump(int sig, const siginfo_t *info)
{
    if (g_folder[0] == '\0')
        return;

    // The parent is the application-data folder; make both levels when missing.
    static char path[kPathSize];
    path[0] = '\0';
    append(path, g_folder);
    char *slash = strrchr(path, '/');
    if (slash && slash != path) {
        *slash = '\0';
        mkdir(path, 0700);
        *slash = '/';
    }
    mkdir(path, 0700);

    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    char name[64];
    formatDumpName(now.tv_sec, g_utcOffset.load(), name, sizeof(name));
    if (!append(path, "/") || !append(path, name))
        return;

    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    writeText(fd, "signal ");
    writeNumber(fd, static_cast<unsigned long>(sig), 10);
    writeText(fd, " (");
    writeText(fd, signalName(sig));
    writeText(fd, ")\ncode ");
    writeNumber(fd, static_cast<unsigned long>(info ? info->si_code : 0), 10);
    writeText(fd, "\naddress 0x");
    writeNumber(fd, reinterpret_cast<unsigned long>(info ? info->si_addr : nullptr), 16);
    writeText(fd, "\npid ");
    writeNumber(fd, static_cast<unsigned long>(getpid()), 10);
    writeText(fd, "\n\nbacktrace:\n");
    void *frames[kFrames];
    const int count = backtrace(frames, kFrames);
    backtrace_symbols_fd(frames, count, fd);
    writeText(fd, "\nmemory map:\n");
    copyFile("/proc/self/maps", fd);
    close(fd);
}

void onFatalSignal(int sig, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    writeDump(sig, info);
    errno = savedErrno;
    // SA_RESETHAND has put the default action back. The signal is blocked while the
    // handler runs, so the raised copy is delivered on return and ends the process
    // by this signal (a hardware fault would also simply recur).
    raise(sig);
}

}  // namespace

int formatDumpName(time_t when, long utcOffset, char *out, int size)
{
    // Civil date from days since 1970-01-01 (proleptic Gregorian), without any
    // library call that may take a lock.
    long long t = static_cast<long long>(when) + utcOffset;
    long long days = t / 86400;
    long long secs = t % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long year = yoe + era * 400;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    if (month <= 2)
        ++year;

    const long long fields[] = {year, month, day, secs / 3600, (secs / 60) % 60, secs % 60};
    const int widths[] = {4, 2, 2, 2, 2, 2};
    char text[40];
    int pos = 0;
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            text[pos++] = '_';
        long long v = fields[i] < 0 ? 0 : fields[i];
        for (int w = widths[i] - 1; w >= 0; --w) {
            text[pos + w] = static_cast<char>('0' + v % 10);
            v /= 10;
        }
        pos += widths[i];
    }
    const char suffix[] = ".dmp";
    memcpy(text + pos, suffix, sizeof(suffix));
    pos += sizeof(suffix) - 1;

    if (size <= 0)
        return 0;
    const int n = pos < size - 1 ? pos : size - 1;
    memcpy(out, text, static_cast<size_t>(n));
    out[n] = '\0';
    return n;
}

void setDumpFolder(const QByteArray &folder)
{
    g_utcOffset.store(localUtcOffset());
    const int n = qMin(folder.size(), kPathSize - 1);
    // A path that does not fit is not used at all rather than cut short.
    if (folder.size() > kPathSize - 64) {
        g_folder[0] = '\0';
        return;
    }
    memcpy(g_folder, folder.constData(), static_cast<size_t>(n));
    g_folder[n] = '\0';
}

void install()
{
    if (g_installed.exchange(true))
        return;
    g_utcOffset.store(localUtcOffset());

    // The first backtrace() may load libgcc and allocate; do it now, not in the handler.
    void *frames[2];
    backtrace(frames, 2);

    stack_t stack {};
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof(g_altStack);
    sigaltstack(&stack, nullptr);

    struct sigaction action
    {
    };
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &action, nullptr);
}

}  // namespace CrashDump
