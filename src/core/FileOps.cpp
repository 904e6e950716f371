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
    Fd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        return IoResult::failure(describe("cannot open", path, errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return IoResult::failure(describe("cannot examine", path, errno));
    const off_t oldSize = st.st_size;
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

IoResult replaceAtomically(const std::string& path, std::string_view bytes,
                           const std::function<void()>& beforeRename) {
    const std::string temp = path + ".tmp";
    {
        Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (fd.get() < 0)
            return IoResult::failure(describe("cannot create", temp, errno));
        if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
            const int err = errno;
            ::unlink(temp.c_str());
            return IoResult::failure(describe("cannot write", temp, err));
        }
        if (!fd.close()) {
            const int err = errno;
            ::unlink(temp.c_str());
            return IoResult::failure(describe("cannot close", temp, err));
        }
    }
    if (beforeRename)
        beforeRename();
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return IoResult::failure(describe("cannot replace", path, err));
    }
    syncDirectory(path);
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
