// From process start to the main window shown, offscreen. Each iteration
// starts a fresh process (this benchmark binary again, running only the
// StartupChild case), which starts the program as main does and reports over
// a pipe once the main window has been painted for the first time. Measured:
// fork and exec, loading the libraries, the application, CreateForms, the
// main window's FormShow (data loaded, start picture decoded) and its first
// paint.
#include "Forms.h"
#include "Mainunit.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr char ChildVariable[] = "LYSVANDRE_STARTUP_CHILD_FD";

// Tells the parent once the main window has been painted, then ends the
// process at once.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(int fd) : Fd(fd) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!Reported && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == Form1) {
            Reported = true;
            // After the paint cycle in progress has finished.
            QTimer::singleShot(0, [fd = Fd] {
                const char shown = 1;
                (void)!write(fd, &shown, 1);
                _exit(0);
            });
        }
        return false;
    }

private:
    int Fd;
    bool Reported = false;
};

void StartupChild(benchmark::State& state) {
    const int fd = std::atoi(std::getenv(ChildVariable));
    int argc = 1;
    char name[] = "lysvandre";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    FirstPaint watcher(fd);
    application.installEventFilter(&watcher);
    CreateForms();
    Form1->show();
    application.exec();
    for (auto _ : state) {
    }
    _exit(1);
}

// Runs one child; the time from just before fork to the child's report, or
// a negative number when it did not report within ten seconds.
double StartOnce() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return -1;
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v) {
        const std::string entry = *v;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind(ChildVariable, 0) != 0) variables.push_back(entry);
    }
    variables.push_back("QT_QPA_PLATFORM=offscreen");
    variables.push_back(std::string(ChildVariable) + "=" + std::to_string(fds[1]));
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    char exe[] = "/proc/self/exe";
    char filter[] = "--benchmark_filter=^StartupChild/";
    char* args[] = {exe, filter, nullptr};

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        fcntl(fds[1], F_SETFD, 0);  // the write end stays open across exec
        execve(exe, args, envp.data());
        _exit(127);
    }
    close(fds[1]);
    double seconds = -1;
    pollfd wait{fds[0], POLLIN, 0};
    char shown = 0;
    if (pid > 0 && poll(&wait, 1, 10000) == 1 && read(fds[0], &shown, 1) == 1)
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    close(fds[0]);
    if (pid > 0) {
        if (seconds < 0) kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return seconds;
}

void ProcessStartToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        const double seconds = StartOnce();
        if (seconds < 0) {
            state.SkipWithError("the program did not show its main window within 10 s");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

[[maybe_unused]] const bool Registered = [] {
    if (std::getenv(ChildVariable))
        benchmark::RegisterBenchmark("StartupChild", StartupChild)->Iterations(1);
    else
        benchmark::RegisterBenchmark("ProcessStartToMainWindowShown", ProcessStartToMainWindowShown)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20);
    return true;
}();

}  // namespace
