#include "TestHome.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// Removes the folder when the program ends normally. A child made by fork() leaves
// through _exit and so never removes its parent's folder.
class TemporaryHome {
public:
    TemporaryHome() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") +
                              "/vexilor-test-home-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("vexilor tests: cannot make a temporary home");
            std::exit(1);
        }
        root_ = pattern;
        owner_ = getpid();
    }
    ~TemporaryHome() {
        std::error_code ignored;
        if (getpid() == owner_)
            fs::remove_all(root_, ignored);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    // A folder of the home, made now, readable only by the user.
    std::string folder(const char* name) const {
        const fs::path path = root_ / name;
        fs::create_directories(path);
        chmod(path.c_str(), 0700);
        return path.string();
    }

private:
    fs::path root_;
    pid_t owner_ = 0;
};

}  // namespace

void isolateFromUserFiles() {
    static const TemporaryHome home;
    const std::pair<const char*, const char*> variables[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "home/.config"},
        {"XDG_CACHE_HOME", "home/.cache"},
        {"XDG_DATA_HOME", "home/.local/share"},
        {"XDG_STATE_HOME", "home/.local/state"},
        {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& [variable, folder] : variables)
        setenv(variable, home.folder(folder).c_str(), 1);
}
