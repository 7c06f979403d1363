// runtimes RUNS COMMAND... -- REFERENCE...: runs the command and the
// reference RUNS times each, in turns, their output discarded, and prints
// each one's median wall time from start to end and their ratio.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <vector>

namespace {

double runMs(char* const argv[])
{
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid
        || status != 0) {
        std::fprintf(stderr, "runtimes: %s failed\n", argv[0]);
        std::exit(1);
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    posix_spawn_file_actions_destroy(&quiet);
    return static_cast<double>(end.tv_sec - start.tv_sec) * 1e3
        + static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    char** split = std::find_if(argv + 2, argv + argc, [](const char* a) { return std::string_view(a) == "--"; });
    if (runs < 1 || split == argv + 2 || split >= argv + argc - 1) {
        std::fprintf(stderr, "usage: runtimes RUNS COMMAND... -- REFERENCE...\n");
        return 2;
    }
    *split = nullptr; // ends the command's arguments
    std::vector<double> command, reference;
    for (int i = 0; i < runs; ++i) {
        command.push_back(runMs(argv + 2));
        reference.push_back(runMs(split + 1));
    }
    const double c = median(command), r = median(reference);
    std::printf("%.3f %.3f %.2f\n", c, r, c / r);
}
