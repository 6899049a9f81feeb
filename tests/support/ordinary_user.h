// Running part of a test as an ordinary user, for whom permission bits count.
// Root ignores them, and the tests run as root in CI: there the part runs in a
// child process that has become nobody; any other user runs it as itself.
#pragma once

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

class OrdinaryUser {
public:
    OrdinaryUser()
        : uid(geteuid() == 0 ? kNobody : geteuid()), gid(geteuid() == 0 ? kNobody : getegid()) {}

    // Hands the path to the user, and lets the user pass through the folders
    // above it up to and including root (a test's scratch folder).
    void Own(const std::filesystem::path& path, const std::filesystem::path& root) const {
        if (lchown(path.c_str(), uid, gid) != 0)
            throw std::filesystem::filesystem_error("cannot hand over", path, std::error_code());
        for (std::filesystem::path folder = path.parent_path();; folder = folder.parent_path()) {
            std::filesystem::permissions(folder, std::filesystem::perms::others_exec,
                                         std::filesystem::perm_options::add);
            if (folder == root || folder == folder.parent_path())
                break;
        }
    }

    // Runs the action in a child process as the user; a child that does not
    // end normally, or whose expectations failed, fails the test. False when
    // root could not become nobody (the caller skips, saying so).
    bool Run(const std::function<void()>& action) const {
        pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 &&
                (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0))
                _exit(kCannotBecomeUser);
            action();
            _exit(testing::Test::HasFailure() ? 1 : 0);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child) {
            ADD_FAILURE() << "no child process for the ordinary user";
            return true;
        }
        if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotBecomeUser)
            return false;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the ordinary user's part ended with status " << status;
        return true;
    }

    static constexpr const char* kSkipMessage =
        "root cannot become an ordinary user here, and root ignores permission bits";

    const uid_t uid;
    const gid_t gid;

private:
    static constexpr uid_t kNobody = 65534;
    static constexpr int kCannotBecomeUser = 77;
};
