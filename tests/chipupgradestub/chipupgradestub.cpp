// Test stand-in for the chip vendor's upgrade library. Images are "QUFW", a
// 17-byte identity, a 4-byte version and a payload (what kbemu writes). A keyboard
// in its chip-upgrade mode is an emulated one: a socket vid_1209&pid_000f[&TAG].sock
// in TAVRIX_EMU_DIR. A successful flashing tells it the new version with the report
// 01 50 .. [6..9] version, and the emulated keyboard comes back with it.
//
// Tests steer it through chipstub_set (results by name) and read what happened
// through chipstub_get and chipstub_queried.
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <map>
#include <mutex>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#define STUB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex g_mutex;
std::map<std::string, int> g_values;  // results set by the test and counters
std::vector<unsigned char> g_image;
std::string g_queried;

int value(const char *key, int fallback)
{
    const auto it = g_values.find(key);
    return it == g_values.end() ? fallback : it->second;
}

// The chip-upgrade socket of an emulated keyboard, or empty.
std::string chipModeSocket()
{
    const char *dir = std::getenv("TAVRIX_EMU_DIR");
    if (!dir || !*dir)
        return std::string();
    DIR *folder = opendir(dir);
    if (!folder)
        return std::string();
    std::string found;
    while (dirent *entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.rfind("vid_1209&pid_000f", 0) == 0 && name.size() > 5
            && name.compare(name.size() - 5, 5, ".sock") == 0) {
            found = std::string(dir) + "/" + name;
            break;
        }
    }
    closedir(folder);
    return found;
}

void tellKeyboard(const std::string &socketPath, const unsigned char *version)
{
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    if (connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
        unsigned char report[64] = {0x01, 0x50};
        std::memcpy(report + 6, version, 4);
        (void)!send(fd, report, sizeof report, MSG_NOSIGNAL);
        usleep(20000);  // let the keyboard read it before the connection goes
    }
    close(fd);
}

bool imageLoaded()
{
    return g_image.size() >= 25 && std::memcmp(g_image.data(), "QUFW", 4) == 0;
}

}  // namespace

STUB_EXPORT void chipstub_reset()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_values.clear();
    g_image.clear();
    g_queried.clear();
}

// Results: "load", "crc", "pidvid", "query" (on the keyboard's drive), "upgrade";
// "drive": the keyboard's drive letter (default 'E'); "failAt": the percentage an
// unsuccessful flashing reaches (default 40).
STUB_EXPORT void chipstub_set(const char *key, int v)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_values[key] = v;
}

// Counters: "loads", "upgrades"; "upgradeDrive", "upgradeFlag1", "upgradeFlag2" of
// the last flashing; "flashedIdentity": first byte of the identity flashed.
STUB_EXPORT int chipstub_get(const char *key)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return value(key, 0);
}

// The drives asked since the reset, in order ("ABCDE").
STUB_EXPORT const char *chipstub_queried()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    static std::string copy;
    copy = g_queried;
    return copy.c_str();
}

STUB_EXPORT int JL_loadUfwData(const unsigned char *data, int length)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    ++g_values["loads"];
    if (!data || length <= 0)
        return -1;
    g_image.assign(data, data + length);
    if (!imageLoaded())
        return -1;
    return value("load", 0);
}

STUB_EXPORT int JL_getUfwCrc(unsigned short *crc16, unsigned int *crc32)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!imageLoaded())
        return -1;
    unsigned int sum = 0;
    for (const unsigned char c : g_image)
        sum += c;
    if (crc16)
        *crc16 = static_cast<unsigned short>(sum);
    if (crc32)
        *crc32 = sum;
    return value("crc", 0);
}

STUB_EXPORT int JL_getUfwPidVid(char *identity, int identitySize, char *version, int versionSize)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!imageLoaded() || !identity || !version || identitySize < 17 || versionSize < 4)
        return -1;
    std::memcpy(identity, g_image.data() + 4, 17);
    identity[16] = '\0';
    std::memcpy(version, g_image.data() + 21, 4);
    return value("pidvid", 0);
}

STUB_EXPORT int JL_queryDevicePidVid(char drive, char *pidVid, int pidVidSize, char *version, int versionSize)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_queried.push_back(drive);
    if (pidVid && pidVidSize > 0)
        std::memset(pidVid, 0, static_cast<size_t>(pidVidSize));
    if (version && versionSize > 0)
        std::memset(version, 0, static_cast<size_t>(versionSize));
    if (drive != static_cast<char>(value("drive", 'E')) || chipModeSocket().empty())
        return -5;
    return value("query", 0);
}

STUB_EXPORT int JL_upgradeDevice(char drive, int flag1, int flag2, void (*progress)(int percent))
{
    int result = 0;
    int failAt = 40;
    std::vector<unsigned char> image;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        ++g_values["upgrades"];
        g_values["upgradeDrive"] = drive;
        g_values["upgradeFlag1"] = flag1;
        g_values["upgradeFlag2"] = flag2;
        result = value("upgrade", 0);
        failAt = value("failAt", 40);
        image = g_image;
        g_values["flashedIdentity"] = image.size() > 4 ? image[4] : 0;
    }
    if (image.size() < 25)
        return -1;
    for (int percent = 0; percent <= 100; percent += 20) {
        if (result != 0 && percent > failAt)
            return result;
        if (progress)
            progress(percent);
        usleep(10000);
    }
    if (result != 0)
        return result;
    const std::string socketPath = chipModeSocket();
    if (socketPath.empty())
        return -9;
    tellKeyboard(socketPath, image.data() + 21);
    return 0;
}
