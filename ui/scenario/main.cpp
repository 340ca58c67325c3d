// Plays scenario files against the real program, each on a fresh start in a process
// of its own, so that a crash or a hang fails its file and not the run.
#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/application.h"
#include "ui/scenario/player.h"

namespace {

// A file takes well under a second; a hang shows as a failure within seconds.
constexpr unsigned kSecondsPerFile = 10;

int playAlone(const char* file, bool traces) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "ejercicios2005-scenario";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ui::prepareApplication();
    const bool passed = scenario::play(file, traces);
    std::fflush(stdout);
    return passed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // --traces: every exercise window with its desk check open.
    const bool traces = argc > 1 && std::strcmp(argv[1], "--traces") == 0;
    if (argc < 2 + traces) {
        std::fprintf(stderr, "usage: %s [--traces] FILE...\n", argv[0]);
        return 2;
    }
    int passed = 0, failed = 0;
    for (int i = 1 + traces; i < argc; ++i) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            alarm(kSecondsPerFile);
            std::_Exit(playAlone(argv[i], traces));
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
            ++passed;
            continue;
        }
        ++failed;
        if (WIFSIGNALED(status))
            std::printf("FAIL %s:0: expected the program to keep running, got %s\n", argv[i],
                        WTERMSIG(status) == SIGALRM ? "a hang" : "a crash");
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
