// The operating system calls of Linux and other POSIX systems.
#include "platform/system.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace {

std::string WithSlash(std::string path) {
    if (!path.empty() && path.back() != '/') {
        path.push_back('/');
    }
    return path;
}

std::string EnvText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// fsync of a file or directory by path; false when it cannot be opened or synced.
bool SyncPath(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

volatile std::sig_atomic_t endRequested = 0;

void OnEndSignal(int) {
    endRequested = 1;
}

}  // namespace

std::string CommonAppDataFolder() {
    const std::string xdg = EnvText("XDG_DATA_HOME");
    if (!xdg.empty()) {
        return WithSlash(xdg);
    }
    const std::string home = EnvText("HOME");
    return home.empty() ? "" : WithSlash(home) + ".local/share/";
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool FlushFileToDisk(const std::string& path) {
    return SyncPath(path, O_RDONLY);
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    SyncPath(FolderOf(to), O_RDONLY | O_DIRECTORY);
    return true;
}

bool GrantUsersFullAccess(const std::string&) {
    return true;
}

// SDL would turn these signals into a close request, which the screens answer
// with a question; a signal to end has nobody to answer it.
void WatchEndRequests() {
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool TakeEndRequest() {
    if (endRequested == 0) {
        return false;
    }
    endRequested = 0;
    return true;
}

void SetEnvValue(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

int ProcessId() {
    return static_cast<int>(getpid());
}

double PeakResidentBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

void WriteDebugLine(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

void SetDebugLogFolder(const std::string&) {}

#if defined(__SANITIZE_ADDRESS__)
#define TESS_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESS_ADDRESS_SANITIZER 1
#endif
#endif

// What the driver holds then stays reachable, and a leak report can name the
// library it came from (one from an unloaded library names none).
void KeepGlLibrariesLoaded() {
#ifdef TESS_ADDRESS_SANITIZER
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    for (const char* name :
         {"libEGL.so.1", "libEGL_mesa.so.0", "libGLX_mesa.so.0", "libGL.so.1", "libGLdispatch.so.0",
          "libglapi.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}) {
        dlopen(name, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    }
#endif
}
