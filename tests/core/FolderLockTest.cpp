#include "core/FolderLock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

using namespace vantor;
using namespace vantor::test;
using Outcome = FolderLock::Outcome;

TEST(FolderLock, OneHolderAtATimeAndNoneAfterItEnds) {
    TempDir dir;
    std::optional<FolderLock> first(std::in_place);
    EXPECT_EQ(first->outcome(), Outcome::Locked);
    const auto written = std::filesystem::last_write_time(LockFileName);
    EXPECT_EQ(FolderLock().outcome(), Outcome::HeldElsewhere);
    EXPECT_EQ(std::filesystem::last_write_time(LockFileName), written);
    first.reset();
    EXPECT_EQ(FolderLock().outcome(), Outcome::Locked);

    // A holder killed outright leaves the folder free.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        FolderLock held;
        const char ok = held.outcome() == Outcome::Locked ? '1' : '0';
        (void)::write(ready[1], &ok, 1);
        for (;;)
            ::pause();
    }
    char got = 0;
    ASSERT_EQ(::read(ready[0], &got, 1), 1);
    EXPECT_EQ(got, '1');
    EXPECT_EQ(FolderLock().outcome(), Outcome::HeldElsewhere);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(FolderLock().outcome(), Outcome::Locked);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(FolderLock, AFolderWithoutALockFileIsNotLocked) {
    TempDir dir;
    EXPECT_EQ(FolderLock("missing/vantor.lock").outcome(), Outcome::Unavailable);
}
