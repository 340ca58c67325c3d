// Start-up: from process start to the menu window shown, on the offscreen platform.
// Memory: peak resident size with the menu and every exercise window open.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string probe() {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir(self, n > 0 ? static_cast<std::size_t>(n) : 0);
    return dir.substr(0, dir.rfind('/')) + "/ejercicios2005-probe";
}

void StartUpToMenuShown(benchmark::State& state) {
    const std::string path = probe();
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            execl(path.c_str(), path.c_str(), "start", static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("probe failed");
    }
}
BENCHMARK(StartUpToMenuShown)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3)->ReportAggregatesOnly();

void PeakMemoryAllWindowsOpen(benchmark::State& state) {
    const std::string command = probe() + " memory";
    long kb = 0;
    for (auto _ : state) {
        FILE* out = popen(command.c_str(), "r");
        if (!out || std::fscanf(out, "%ld", &kb) != 1) state.SkipWithError("probe failed");
        if (out) pclose(out);
    }
    state.counters["peak_MB"] = static_cast<double>(kb) / 1024.0;
}
BENCHMARK(PeakMemoryAllWindowsOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
