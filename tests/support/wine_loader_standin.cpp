// Stands in for one of wine's loaders in tests. Copied under a loader's name ("wine64-preloader", ...), it is
// the executable of its process, and it names the process after the Windows program it is given as its first
// argument, as wine does. When that program can run here (the UCON client's stand-in script), it runs as the
// loader's child with the other arguments; the loader passes a termination on to it and ends with it.
// Otherwise the loader waits until it is ended.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

volatile pid_t child = 0;

extern "C" void passOn(int sig) {
    if (child > 0)
        ::kill(child, sig);
    ::_exit(128 + sig);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const std::string program = argv[1];
    const std::string::size_type cut = program.find_last_of("/\\");
    const std::string name = cut == std::string::npos ? program : program.substr(cut + 1);
    // The kernel keeps the first 15 bytes, as it does for wine.
    ::prctl(PR_SET_NAME, name.c_str(), 0, 0, 0);
    // A termination that comes before the child is known is held back until it is, so the child never
    // outlives the loader.
    sigset_t termination;
    sigset_t before;
    sigemptyset(&termination);
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&termination, sig);
    ::sigprocmask(SIG_BLOCK, &termination, &before);
    struct sigaction action = {};
    action.sa_handler = passOn;
    sigemptyset(&action.sa_mask);
    for (const int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
    // A test that fails before it ends the loader must not leave it running for ever.
    ::alarm(300);
    if (::access(argv[1], X_OK) != 0) {
        ::sigprocmask(SIG_SETMASK, &before, nullptr);
        for (;;)
            ::pause();
    }
    const pid_t started = ::fork();
    if (started < 0)
        return 1;
    if (started == 0) {
        ::sigprocmask(SIG_SETMASK, &before, nullptr);
        ::execv(argv[1], argv + 1);
        ::_exit(127);
    }
    child = started;
    ::sigprocmask(SIG_SETMASK, &before, nullptr);
    int status = 0;
    while (::waitpid(started, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
