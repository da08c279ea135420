#include "childprocess.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace pondrel::bench {

namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double>(end - start).count();
}

double seconds(const timeval &value)
{
    return static_cast<double>(value.tv_sec) + static_cast<double>(value.tv_usec) / 1e6;
}

// An already unlinked file holding `content`, positioned at its start.
int temporaryInput(std::string_view content)
{
    const char *directory = std::getenv("TMPDIR");
    std::string pattern =
        std::string(directory && *directory ? directory : "/tmp") + "/pondrel-bench-XXXXXX";
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    unlink(pattern.c_str());
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n <= 0) {
            close(fd);
            return -1;
        }
        written += static_cast<std::size_t>(n);
    }
    lseek(fd, 0, SEEK_SET);
    return fd;
}

// The child's high-water resident set from /proc, or 0 once it is gone.
// wait4's ru_maxrss cannot be used: posix_spawn runs the child in our
// address space until exec, and the kernel carries that address space's
// peak over into the child's, so every child would report our own peak.
long highWaterKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

} // namespace

ChildRun runProcess(const std::string &program,
                    const std::vector<std::string> &arguments,
                    std::string_view input,
                    const LineHandler &onLine)
{
    ChildRun run;
    const int inputFd = temporaryInput(input);
    int output[2];
    if (inputFd < 0 || pipe2(output, O_CLOEXEC) != 0) {
        if (inputFd >= 0) {
            close(inputFd);
        }
        return run;
    }

    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &argument : arguments) {
        argv.push_back(const_cast<char *>(argument.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, inputFd, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(inputFd);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return run;
    }
    run.started = true;

    // Sampled at most this often while output arrives; the high-water mark
    // only grows, so the last sample before exit is the child's peak.
    constexpr double kSampleInterval = 0.01;
    double lastSample = -kSampleInterval;
    std::string pending;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(output[0], buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        // Lines that complete in this read all get its arrival time.
        const double arrival = secondsBetween(start, Clock::now());
        if (arrival - lastSample >= kSampleInterval) {
            run.peakRssKilobytes = std::max(run.peakRssKilobytes, highWaterKilobytes(pid));
            lastSample = arrival;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        std::size_t lineStart = 0;
        for (std::size_t end = pending.find('\n'); end != std::string::npos;
             end = pending.find('\n', lineStart)) {
            onLine(arrival, std::string_view(pending).substr(lineStart, end - lineStart));
            lineStart = end + 1;
        }
        pending.erase(0, lineStart);
    }
    close(output[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.wallSeconds = secondsBetween(start, Clock::now());
    if (!pending.empty()) {
        onLine(run.wallSeconds, pending);
    }
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return run;
}

std::optional<std::string> findOnPath(std::string_view name)
{
    const char *path = std::getenv("PATH");
    std::string_view directories = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!directories.empty()) {
        const std::size_t colon = directories.find(':');
        std::string_view directory = directories.substr(0, colon);
        directories =
            colon == std::string_view::npos ? std::string_view() : directories.substr(colon + 1);
        if (directory.empty()) {
            directory = ".";
        }
        std::string candidate = std::string(directory) + "/" + std::string(name);
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

} // namespace pondrel::bench
