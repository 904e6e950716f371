#include "support/FaultInjection.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace {

struct Fault {
    std::string call;
    int error = 0;
    std::string pathPart;
    long long budget = 0; // bytes a write still lets through
};

std::vector<Fault>& faults() {
    static std::vector<Fault> all;
    return all;
}

int errnoNamed(const std::string& name) {
    static const struct {
        const char* name;
        int value;
    } known[] = {{"ENOSPC", ENOSPC}, {"EIO", EIO},       {"EROFS", EROFS},
                 {"EACCES", EACCES}, {"EDQUOT", EDQUOT}, {"EFBIG", EFBIG}};
    for (const auto& k : known)
        if (name == k.name)
            return k.value;
    return EIO;
}

std::string pathOfFd(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

// A path part ending in '$' must end the path ("log.txt$" spares "log.txt.tmp").
bool matches(const std::string& path, const std::string& part) {
    if (!part.empty() && part.back() == '$') {
        const std::string tail = part.substr(0, part.size() - 1);
        return path.size() >= tail.size() &&
               path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
    }
    return path.find(part) != std::string::npos;
}

Fault* armedFor(const char* call, const std::string& path) {
    for (Fault& f : faults())
        if (f.call == call && !path.empty() && matches(path, f.pathPart))
            return &f;
    return nullptr;
}

template <typename F> F real(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

__attribute__((constructor)) void armFromEnvironment() {
    if (const char* plan = std::getenv("VANTOR_FAULTS"))
        vantor_faults_arm(plan);
}

} // namespace

extern "C" {

void vantor_faults_arm(const char* plan) {
    faults().clear();
    std::string rest = plan ? plan : "";
    while (!rest.empty()) {
        const auto end = rest.find(';');
        const std::string one = rest.substr(0, end);
        rest = end == std::string::npos ? "" : rest.substr(end + 1);
        std::vector<std::string> parts;
        std::size_t from = 0;
        for (std::size_t colon; (colon = one.find(':', from)) != std::string::npos;
             from = colon + 1)
            parts.push_back(one.substr(from, colon - from));
        parts.push_back(one.substr(from));
        if (parts.size() < 3)
            continue;
        Fault f{parts[0], errnoNamed(parts[1]), parts[2], 0};
        if (parts.size() > 3)
            f.budget = std::atoll(parts[3].c_str());
        faults().push_back(f);
    }
}

ssize_t write(int fd, const void* buf, size_t count) {
    static const auto next = real<ssize_t (*)(int, const void*, size_t)>("write");
    if (!faults().empty()) {
        if (Fault* f = armedFor("write", pathOfFd(fd))) {
            if (f->budget <= 0) {
                errno = f->error;
                return -1;
            }
            const size_t allowed = std::min<size_t>(count, static_cast<size_t>(f->budget));
            const ssize_t n = next(fd, buf, allowed);
            if (n > 0)
                f->budget -= n;
            return n;
        }
    }
    return next(fd, buf, count);
}

int fsync(int fd) {
    static const auto next = real<int (*)(int)>("fsync");
    if (!faults().empty())
        if (Fault* f = armedFor("fsync", pathOfFd(fd))) {
            errno = f->error;
            return -1;
        }
    return next(fd);
}

int close(int fd) {
    static const auto next = real<int (*)(int)>("close");
    if (!faults().empty())
        if (Fault* f = armedFor("close", pathOfFd(fd))) {
            next(fd);
            errno = f->error;
            return -1;
        }
    return next(fd);
}

// An open fault refuses only opens for writing, as a read-only file does.
static int openChecked(const char* name, const char* path, int flags, mode_t mode) {
    using Open = int (*)(const char*, int, ...);
    static const auto nextOpen = real<Open>("open");
    static const auto nextOpen64 = real<Open>("open64");
    if (!faults().empty() && (flags & (O_WRONLY | O_RDWR)) != 0)
        if (Fault* f = armedFor("open", path)) {
            errno = f->error;
            return -1;
        }
    const Open next = std::string(name) == "open64" && nextOpen64 ? nextOpen64 : nextOpen;
    return next(path, flags, mode);
}

// open and open64 differ only in the call they pass on to; the mode is there only when
// a file may be created.
#define VANTOR_OPEN_HOOK(name)                                                                     \
    int name(const char* path, int flags, ...) {                                                   \
        mode_t mode = 0;                                                                           \
        if (flags & (O_CREAT | O_TMPFILE)) {                                                       \
            va_list args;                                                                          \
            va_start(args, flags);                                                                 \
            mode = static_cast<mode_t>(va_arg(args, int));                                         \
            va_end(args);                                                                          \
        }                                                                                          \
        return openChecked(#name, path, flags, mode);                                              \
    }

VANTOR_OPEN_HOOK(open)
VANTOR_OPEN_HOOK(open64)
#undef VANTOR_OPEN_HOOK

int rename(const char* from, const char* to) {
    static const auto next = real<int (*)(const char*, const char*)>("rename");
    if (!faults().empty())
        if (Fault* f = armedFor("rename", to)) {
            errno = f->error;
            return -1;
        }
    return next(from, to);
}

} // extern "C"
