#pragma once
// One Vantor per contest folder. An advisory lock on a lock file in the folder is
// taken before any contest file is read and held for the life of the process; the
// system drops it when the process ends, however it ends, so a crash never locks the
// operator out. A second copy finds the lock taken and must leave every file alone.

#include <string>

namespace vantor {

inline const std::string LockFileName = "vantor.lock";

class FolderLock {
public:
    enum class Outcome {
        Locked,        // this process holds the folder
        HeldElsewhere, // another process holds it
        Unavailable    // no lock file could be opened (a read-only folder): not locked
    };

    explicit FolderLock(const std::string& path = LockFileName);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Outcome outcome() const { return outcome_; }

private:
    int fd_ = -1;
    Outcome outcome_ = Outcome::Unavailable;
};

} // namespace vantor
