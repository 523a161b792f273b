#include "DetachedLauncher.h"

#include <cerrno>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string FindInPath(const std::string& program) {
    if (program.find('/') != std::string::npos) {
        return program;
    }
    const char* path = std::getenv("PATH");
    std::string_view directories = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!directories.empty()) {
        const std::size_t colon = directories.find(':');
        std::string candidate(directories.substr(0, colon));
        candidate = (candidate.empty() ? "." : candidate) + '/' + program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        directories = colon == std::string_view::npos ? "" : directories.substr(colon + 1);
    }
    return {};
}

} // namespace

bool DetachedLauncher::Launch(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& directory) {
    const std::string executable = FindInPath(program);
    if (executable.empty()) {
        return false;
    }
    // Everything the children need is prepared before fork: after it only exec and _exit run.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    // The intermediate child exits at once, so the program is adopted by init and reaped there.
    const pid_t child = fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        const pid_t launched = fork();
        if (launched == 0) {
            setsid();
            if (!directory.empty() && chdir(directory.c_str()) != 0) {
                _exit(127);
            }
            execve(executable.c_str(), argv.data(), environ);
            _exit(127);
        }
        _exit(launched > 0 ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
