// Start-up as a person sees it: the time from launching a program to its first painted
// window, on a private X server. The built editor, run from a copy of its program folder,
// takes turns with the same editor built without its start-up worker (from the same copy),
// the floor window (the same size, one line of text) and the same window without text; each
// launch is timed from just before it is spawned until a pixel of its
// mapped window differs from the unpainted root, then the program is killed.
//
// Usage: start_up_process [--rounds N] [--warm-up N] [--display :N]
//                         [--program-folder DIR] [--floor PATH] [--without-worker PATH]
//                         [--busy-cores N] [--realtime]
// Without --display it starts Xvfb on the first free display number and stops it at the end.
// Every launch runs under the ordinary scheduling policy, as users run the program.
// --busy-cores N keeps N processes spinning under the ordinary policy for the whole run, as
// other work on the user's machine would: it shows what a start that counts on a free core
// loses when there is none.
// --realtime (root only) runs this driver, the server and every launch under the real-time
// FIFO policy instead, so other programs on a shared machine neither slow a launch nor take
// the second core from it: figures of a quiet machine, not of a user's launch.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLaunchTimeout = std::chrono::seconds(20);
// Between two looks at the window: fine enough for launches of tens of milliseconds, coarse
// enough that the looking takes little of the machine from the program being timed.
constexpr auto kPollInterval = std::chrono::microseconds(200);

struct Options {
  int rounds = 21;
  int warmUp = 3;
  std::string display;
  std::filesystem::path programFolder = BEDITOR_PROGRAM_DIR;
  std::filesystem::path floor = FLOOR_WINDOW_PATH;
  std::filesystem::path withoutWorker = EDITOR_WITHOUT_WORKER_PATH;
  int busyCores = 0;
  bool realtime = false;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--realtime") {
      options.realtime = true;
      continue;
    }
    if (i + 1 >= argc) throw std::runtime_error("missing value after " + name);
    const std::string value = argv[++i];
    if (name == "--rounds") options.rounds = std::stoi(value);
    else if (name == "--warm-up") options.warmUp = std::stoi(value);
    else if (name == "--display") options.display = value;
    else if (name == "--program-folder") options.programFolder = value;
    else if (name == "--floor") options.floor = value;
    else if (name == "--without-worker") options.withoutWorker = value;
    else if (name == "--busy-cores") options.busyCores = std::stoi(value);
    else throw std::runtime_error("unknown option " + name);
  }
  if (options.rounds < 1 || options.warmUp < 0) throw std::runtime_error("bad round count");
  if (options.busyCores < 0) throw std::runtime_error("bad number of busy cores");
  return options;
}

pid_t Spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
            const posix_spawn_file_actions_t* actions) {
  std::vector<char*> argv, envp;
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  for (const auto& variable : environment) envp.push_back(const_cast<char*>(variable.c_str()));
  envp.push_back(nullptr);
  pid_t pid = 0;
  if (int error = posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), envp.data()))
    throw std::runtime_error("cannot start " + arguments[0] + ": " + std::strerror(error));
  return pid;
}

void KillAndReap(pid_t pid) {
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// Processes that do nothing but spin, under the ordinary policy, until they are killed.
class BusyCores {
 public:
  explicit BusyCores(int count) {
    for (int i = 0; i < count; ++i) {
      const pid_t pid = fork();
      if (pid < 0) throw std::runtime_error("fork failed");
      if (pid == 0) {
        const sched_param ordinary{0};
        sched_setscheduler(0, SCHED_OTHER, &ordinary);
        for (;;) __asm__ volatile("");  // a loop with a side effect the compiler keeps
      }
      pids_.push_back(pid);
    }
  }
  ~BusyCores() {
    for (const pid_t pid : pids_) KillAndReap(pid);
  }

 private:
  std::vector<pid_t> pids_;
};

double LoadAverage() {
  double load = 0;
  return getloadavg(&load, 1) == 1 ? load : -1;
}

// CPU time of the whole machine (from /proc/stat) and of this process with its reaped
// children, so that a run can tell how much of the machine other programs took meanwhile.
struct CpuTimes {
  double machineBusySeconds = 0;
  double machineSeconds = 0;
  double oursSeconds = 0;

  static CpuTimes Now() {
    CpuTimes times;
    if (std::FILE* stat = std::fopen("/proc/stat", "r")) {
      unsigned long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0;
      if (std::fscanf(stat, "cpu %llu %llu %llu %llu %llu %llu %llu", &user, &nice, &system, &idle,
                      &iowait, &irq, &softirq) == 7) {
        const double tick = 1.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
        times.machineBusySeconds = static_cast<double>(user + nice + system + irq + softirq) * tick;
        times.machineSeconds = times.machineBusySeconds + static_cast<double>(idle + iowait) * tick;
      }
      std::fclose(stat);
    }
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
      rusage usage{};
      getrusage(who, &usage);
      for (const timeval& spent : {usage.ru_utime, usage.ru_stime})
        times.oursSeconds += static_cast<double>(spent.tv_sec) + static_cast<double>(spent.tv_usec) * 1e-6;
    }
    return times;
  }
};

// Our own Xvfb; it writes its display number to the pipe once it accepts clients.
class PrivateServer {
 public:
  PrivateServer() {
    int ends[2];
    if (pipe(ends) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_ = Spawn({"/usr/bin/Xvfb", "-displayfd", std::to_string(ends[1]), "-screen", "0",
                  "1024x768x24", "-nolisten", "tcp"},
                 CurrentEnvironment(), &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    std::string number;
    char c = 0;
    while (read(ends[0], &c, 1) == 1 && c != '\n') number += c;
    close(ends[0]);
    if (number.empty()) {
      KillAndReap(pid_);
      throw std::runtime_error("Xvfb did not start (is it installed?)");
    }
    name_ = ":" + number;
  }
  ~PrivateServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  const std::string& Name() const { return name_; }

  static std::vector<std::string> CurrentEnvironment() {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) variables.emplace_back(*variable);
    return variables;
  }

 private:
  pid_t pid_ = 0;
  std::string name_;
};

// A temporary copy of the program folder as after installing (no stored editor mode), with
// the editor built without its worker beside the editor, so both read the same files.
class FolderCopy {
 public:
  FolderCopy(const std::filesystem::path& source, const std::filesystem::path& withoutWorker) {
    std::string pattern = (std::filesystem::temp_directory_path() / "beditor-start-up-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    root_ = pattern;
    folder_ = root_ / "BEditor";
    std::filesystem::copy(source, folder_, std::filesystem::copy_options::recursive);
    std::filesystem::remove(folder_ / "EditorMode.txt");
    std::filesystem::copy_file(withoutWorker, folder_ / withoutWorker.filename());
  }
  ~FolderCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path root_, folder_;
};

// A request about a window that is already gone fails; the caller sees a null result
// instead of Xlib's default handler ending this program.
int IgnoreError(::Display*, XErrorEvent*) { return 0; }

class ScreenWatcher {
 public:
  explicit ScreenWatcher(const std::string& name) : display_(XOpenDisplay(name.c_str())) {
    if (!display_) throw std::runtime_error("cannot open display " + name);
    XSetErrorHandler(IgnoreError);
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    XSync(display_, False);
  }
  ~ScreenWatcher() { XCloseDisplay(display_); }

  // Waits for the first top-level window to be mapped; 0 on time-out.
  Window WaitForMap(Clock::time_point deadline) {
    XEvent event;
    while (NextEvent(event, deadline)) {
      if (event.type == MapNotify && event.xmap.event == root_ && !event.xmap.override_redirect)
        return event.xmap.window;
    }
    return 0;
  }

  // Waits until the window is gone, so its events do not mix with the next launch's.
  void WaitForDestroy(Window window, Clock::time_point deadline) {
    XEvent event;
    while (NextEvent(event, deadline)) {
      if (event.type == DestroyNotify && event.xdestroywindow.window == window) return;
    }
  }

  // The window's middle row as the screen shows it: the root's pattern until the program
  // paints there. False when the window is gone.
  bool MiddleRow(Window window, const XWindowAttributes& size, std::vector<unsigned long>& pixels) {
    XImage* image = XGetImage(display_, window, 0, size.height / 2, size.width, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    pixels.resize(size.width);
    for (int x = 0; x < size.width; ++x) pixels[x] = XGetPixel(image, x, 0);
    XDestroyImage(image);
    return true;
  }

  XWindowAttributes Attributes(Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    return attributes;
  }

  // The same row of the root, at the window's place on the screen, before anything is mapped.
  std::vector<unsigned long> RootRowUnder(Window window, const XWindowAttributes& attributes) {
    int left = 0, top = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, root_, 0, attributes.height / 2, &left, &top, &child);
    const auto found = rootRows_.find(top);
    if (found == rootRows_.end()) return {};
    const auto& row = found->second;
    if (left < 0 || left + attributes.width > static_cast<int>(row.size())) return {};
    return {row.begin() + left, row.begin() + left + attributes.width};
  }

  // Keeps every row of the root, read while no window is mapped.
  void ReadRoot() {
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, root_, &attributes);
    XImage* image = XGetImage(display_, root_, 0, 0, attributes.width, attributes.height,
                              AllPlanes, ZPixmap);
    if (!image) throw std::runtime_error("cannot read the root window");
    for (int y = 0; y < attributes.height; ++y) {
      auto& row = rootRows_[y];
      row.resize(attributes.width);
      for (int x = 0; x < attributes.width; ++x) row[x] = XGetPixel(image, x, y);
    }
    XDestroyImage(image);
  }

 private:
  bool NextEvent(XEvent& event, Clock::time_point deadline) {
    while (!XPending(display_)) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return false;
      pollfd connection{ConnectionNumber(display_), POLLIN, 0};
      poll(&connection, 1, static_cast<int>(left.count()));
    }
    XNextEvent(display_, &event);
    return true;
  }

  ::Display* display_;
  Window root_ = 0;
  std::map<int, std::vector<unsigned long>> rootRows_;
};

struct Program {
  std::string label;
  std::vector<std::string> arguments;
  std::filesystem::path folder;
  std::vector<double> milliseconds;
};

// One launch: from just before the spawn to the first painted pixel of the mapped window.
double TimeLaunch(ScreenWatcher& display, const Program& program, const std::vector<std::string>& environment) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::filesystem::current_path(program.folder);
  const auto start = Clock::now();
  const auto deadline = start + kLaunchTimeout;
  const pid_t pid = Spawn(program.arguments, environment, &actions);
  posix_spawn_file_actions_destroy(&actions);

  const Window window = display.WaitForMap(deadline);
  if (!window) {
    KillAndReap(pid);
    throw std::runtime_error(program.label + ": no window was mapped");
  }
  // Its size is fixed from the start: a window without a manager is mapped as the program made it.
  const XWindowAttributes attributes = display.Attributes(window);
  const std::vector<unsigned long> unpainted = display.RootRowUnder(window, attributes);
  if (unpainted.empty()) {
    KillAndReap(pid);
    throw std::runtime_error(program.label + ": the window is not wholly on the screen");
  }
  std::vector<unsigned long> row;
  for (;;) {
    if (!display.MiddleRow(window, attributes, row)) {
      KillAndReap(pid);
      throw std::runtime_error(program.label + ": the window went away before it was painted");
    }
    if (row != unpainted) break;
    if (Clock::now() > deadline) {
      KillAndReap(pid);
      throw std::runtime_error(program.label + ": the window was never painted");
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  const auto painted = Clock::now();
  KillAndReap(pid);
  display.WaitForDestroy(window, Clock::now() + kLaunchTimeout);
  return std::chrono::duration<double, std::milli>(painted - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::vector<double> Ratios(const std::vector<double>& numerators, const std::vector<double>& denominators) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < numerators.size(); ++i) ratios.push_back(numerators[i] / denominators[i]);
  return ratios;
}

// Every round launches each program once; the server and the busy processes are stopped
// and reaped on return, so that their CPU time counts as this process's.
std::vector<Program> TimeRounds(const Options& options, std::string& displayName) {
  const BusyCores busy(options.busyCores);
  std::unique_ptr<PrivateServer> server;
  if (displayName.empty()) {
    server = std::make_unique<PrivateServer>();
    displayName = server->Name();
  }
  ScreenWatcher display(displayName);
  display.ReadRoot();

  std::vector<std::string> environment;
  for (const auto& variable : PrivateServer::CurrentEnvironment()) {
    // The programs run on the private display with Qt's X11 platform, whatever this shell uses.
    if (variable.starts_with("DISPLAY=") || variable.starts_with("QT_QPA_PLATFORM=") ||
        variable.starts_with("WAYLAND_DISPLAY="))
      continue;
    environment.push_back(variable);
  }
  environment.push_back("DISPLAY=" + displayName);
  environment.push_back("QT_QPA_PLATFORM=xcb");

  const FolderCopy copy(options.programFolder, options.withoutWorker);
  const auto floorFolder = options.floor.parent_path();
  std::vector<Program> programs = {
      {"beditor, from a copy of its program folder", {(copy.Folder() / "beditor").string()}, copy.Folder(), {}},
      {"floor: 844 x 386 window, one QLabel", {options.floor.string()}, floorFolder, {}},
      {"floor: 844 x 386 window, no text", {options.floor.string(), "--no-text"}, floorFolder, {}},
      {"beditor without its start-up worker, same folder",
       {(copy.Folder() / options.withoutWorker.filename()).string()}, copy.Folder(), {}},
  };

  for (int round = -options.warmUp; round < options.rounds; ++round) {
    // The order turns every round, so no program always follows the same one.
    for (std::size_t turn = 0; turn < programs.size(); ++turn) {
      Program& program = programs[(turn + static_cast<std::size_t>(round + options.warmUp)) % programs.size()];
      const double milliseconds = TimeLaunch(display, program, environment);
      if (round >= 0) program.milliseconds.push_back(milliseconds);
    }
  }
  return programs;
}

int Run(const Options& options) {
  if (options.realtime) {
    // Inherited by every process this one spawns.
    const sched_param priority{10};
    if (sched_setscheduler(0, SCHED_FIFO, &priority) != 0)
      throw std::runtime_error(std::string("--realtime: ") + std::strerror(errno));
  }
  const double loadBefore = LoadAverage();
  const CpuTimes cpuBefore = CpuTimes::Now();
  std::string displayName = options.display;
  const std::vector<Program> programs = TimeRounds(options, displayName);
  const CpuTimes cpuAfter = CpuTimes::Now();
  const double machineSeconds = cpuAfter.machineSeconds - cpuBefore.machineSeconds;
  const double othersSeconds = std::max(0.0, (cpuAfter.machineBusySeconds - cpuBefore.machineBusySeconds) -
                                                 (cpuAfter.oursSeconds - cpuBefore.oursSeconds));

  const auto& editor = programs[0].milliseconds;
  const auto& oneLabel = programs[1].milliseconds;
  std::printf("Process start-up on a private X display (%s), %s build, %ld cores: %d rounds after %d\n"
              "warm-up rounds under the %s policy, %d spinning process(es) of ours beside them.\n"
              "Load average %.2f before the run; other programs took %.1f %% of the machine's CPU time\n"
              "during it (figures are valid only where that is near 0).\n"
              "From the spawn to the first painted pixel of the window.\n\n",
              displayName.c_str(), *BEDITOR_BUILD_TYPE ? BEDITOR_BUILD_TYPE : "unnamed",
              sysconf(_SC_NPROCESSORS_ONLN), options.rounds, options.warmUp,
              options.realtime ? "real-time (FIFO)" : "ordinary", options.busyCores, loadBefore,
              machineSeconds > 0 ? 100 * othersSeconds / machineSeconds : 0.0);
  std::printf("| program | median ms | min ms | max ms | this / one-label window (median of the rounds' ratios) |\n");
  std::printf("|---|---|---|---|---|\n");
  for (const auto& program : programs) {
    const auto& times = program.milliseconds;
    std::printf("| %s | %.1f | %.1f | %.1f | %.2f |\n", program.label.c_str(), Median(times),
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), Median(Ratios(times, oneLabel)));
  }
  const double ratio = Median(Ratios(editor, oneLabel));
  std::printf("\nbeditor / window with one label: %.2f (target at most 1.15: %s)\n", ratio,
              ratio <= 1.15 ? "met" : "missed");
  std::printf("beditor / window without text: %.2f\n", Median(Ratios(editor, programs[2].milliseconds)));
  std::printf("beditor / beditor without its start-up worker: %.2f (below 1: the worker gains)\n",
              Median(Ratios(editor, programs[3].milliseconds)));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(ParseOptions(argc, argv));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "start_up_process: %s\n", error.what());
    return 1;
  }
}
