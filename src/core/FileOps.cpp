#include "core/FileOps.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vantor {

namespace {

std::string describe(const std::string& what, const std::string& path, int err) {
    return what + " " + path + ": " + std::strerror(err);
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void syncDirectory(const std::string& path) {
    const int fd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// True when the file is exactly its first size bytes followed by tail.
bool endsWithAt(const std::string& path, off_t size, std::string_view tail) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 ||
        st.st_size != size + static_cast<off_t>(tail.size()))
        return false;
    std::string found(tail.size(), '\0');
    std::size_t done = 0;
    while (done < found.size()) {
        const ssize_t n = ::pread(fd.get(), found.data() + done, found.size() - done,
                                  size + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return found == tail;
}

} // namespace

ReadStatus readWholeFile(const std::string& path, std::string& out) {
    out.clear();
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode))
        return ReadStatus::Unreadable;
    if (st.st_size > 0)
        out.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return ReadStatus::Unreadable;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return ReadStatus::Ok;
}

IoResult appendDurably(const std::string& path, std::string_view bytes) {
    // Read access is wanted only to look at the last byte; a write-only file is
    // appended to all the same.
    int raw = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (raw < 0 && errno == EACCES)
        raw = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    Fd fd(raw);
    if (fd.get() < 0)
        return IoResult::failure(describe("cannot open", path, errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return IoResult::failure(describe("cannot examine", path, errno));
    const off_t oldSize = st.st_size;
    std::string joined;
    if (oldSize > 0 && !bytes.empty()) {
        char last = '\n';
        if (::pread(fd.get(), &last, 1, oldSize - 1) == 1 && last != '\n') {
            joined = last == '\r' ? "\n" : "\r\n";
            joined += bytes;
            bytes = joined;
        }
    }
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        const int err = errno;
        // Take back whatever part of the line reached the file.
        if (::ftruncate(fd.get(), oldSize) == 0)
            ::fsync(fd.get());
        return IoResult::failure(describe("cannot write", path, err));
    }
    if (!fd.close()) {
        // The bytes were written and synced before the close failed: whether they
        // count is decided by what the file now holds, so that memory and file agree.
        const int err = errno;
        if (endsWithAt(path, oldSize, bytes))
            return {};
        if (::truncate(path.c_str(), oldSize) != 0) {
            // Nothing more can be done here; the error below tells the operator.
        }
        return IoResult::failure(describe("cannot close", path, err));
    }
    return {};
}

namespace {

// The file a write to path lands in: the end of a chain of symbolic links (a relative
// link counts from its own folder), or path itself.
std::string linkTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        char buffer[4096];
        const ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0)
            return current;
        std::string next(buffer, static_cast<std::size_t>(n));
        if (next.front() != '/' && current.find('/') != std::string::npos) {
            const std::string dir = directoryOf(current);
            next = (dir.back() == '/' ? dir : dir + "/") + next;
        }
        current = std::move(next);
    }
    return current; // a loop of links: the open below fails and says so
}

// A new version of one file, written and synced beside the file it is to replace.
struct Replacement {
    std::string target;
    std::string temp;
};

IoResult prepareReplacement(const std::string& path, std::string_view bytes, Replacement& out) {
    out.target = linkTarget(path);
    out.temp = out.target + ".tmp";
    struct stat st {};
    const bool exists = ::stat(out.target.c_str(), &st) == 0;
    if (exists) {
        // Where an append would be refused (a read-only file) the rewrite is refused too.
        Fd probe(::open(out.target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        if (probe.get() < 0)
            return IoResult::failure(describe("cannot write", path, errno));
    }
    const mode_t mode = exists ? (st.st_mode & 07777) : 0644;
    Fd fd(::open(out.temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (fd.get() < 0)
        return IoResult::failure(describe("cannot create", out.temp, errno));
    if (exists) {
        // The new version keeps the old one's mode and, where allowed, its owner.
        ::fchmod(fd.get(), mode);
        if (::fchown(fd.get(), st.st_uid, st.st_gid) != 0) {
            // Only the owner's own files can be given away: the mode is what matters.
        }
    }
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        const int err = errno;
        ::unlink(out.temp.c_str());
        return IoResult::failure(describe("cannot write", out.temp, err));
    }
    if (!fd.close()) {
        const int err = errno;
        ::unlink(out.temp.c_str());
        return IoResult::failure(describe("cannot close", out.temp, err));
    }
    return {};
}

IoResult commitReplacement(const Replacement& r, const std::string& path) {
    if (::rename(r.temp.c_str(), r.target.c_str()) != 0) {
        const int err = errno;
        ::unlink(r.temp.c_str());
        return IoResult::failure(describe("cannot replace", path, err));
    }
    syncDirectory(r.target);
    return {};
}

} // namespace

IoResult replaceAtomically(const std::string& path, std::string_view bytes,
                           const std::function<void()>& beforeRename) {
    Replacement r;
    if (IoResult prepared = prepareReplacement(path, bytes, r); !prepared)
        return prepared;
    if (beforeRename)
        beforeRename();
    return commitReplacement(r, path);
}

IoResult replaceAllAtomically(const std::vector<FileContents>& files) {
    std::vector<Replacement> ready(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (IoResult r = prepareReplacement(files[i].path, files[i].bytes, ready[i]); !r) {
            for (std::size_t j = 0; j < i; ++j)
                ::unlink(ready[j].temp.c_str());
            return r;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (IoResult r = commitReplacement(ready[i], files[i].path); !r) {
            for (std::size_t j = i + 1; j < files.size(); ++j)
                ::unlink(ready[j].temp.c_str());
            return r;
        }
    }
    return {};
}

IoResult truncateFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return IoResult::failure(describe("cannot empty", path, errno));
    if (::fsync(fd.get()) != 0)
        return IoResult::failure(describe("cannot write", path, errno));
    if (!fd.close())
        return IoResult::failure(describe("cannot close", path, errno));
    return {};
}

} // namespace vantor
