#pragma once
// The simulated desktop for host tests.
//
// A Desktop holds what Windows shares between programs: the windows (found by
// class and title, each with the handler of the process that made it), one
// posted-message queue, timers on a virtual clock, the power settings, the
// hot-key registrations, win.ini and the INI files by path, message boxes
// answered by a script, and the programs that WinExec can start.
//
// A Process is one program's view of it: it implements every seam interface
// (its libraries through a SimLibraryLoader of its own) and records each call
// it receives as one readable line ("FindWindow(Zentavio Hovra, Tv) = null",
// "SetTimer(Panel, 40313, 333)"), which tests compare with expected arrays
// (sim/call_diff.h). Windows appear in the lines by title, or by class when
// untitled; kNoWindow is "null". win.ini accesses are recorded too; the
// settings and skin files are not (tests read their text instead).
//
// Nothing runs by itself: the test pumps the queue (pump), moves the clock
// (advance), and injects events (press_hot_key, device_change). Sends are
// delivered at once, so a handler that sends back to the sender runs inside
// the sender's send_message, as across processes on Windows. Sleep moves the
// clock without handling anything. A program started with WinExec begins on
// the next pump step, after the starter has gone on, unless registered to
// start at once. A process ends when its quit message is pumped; its windows,
// timers and hot keys go with it.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "panel/platform/platform.h"
#include "panel/platform/sim/memory_profile_store.h"
#include "panel/platform/sim/sim_library_loader.h"

namespace zel::platform::sim {

class Desktop;

class Process final : public WindowSystem,
                      public Timers,
                      public MessageBoxes,
                      public PowerSettings,
                      public HotKeys,
                      public ProcessServices,
                      public Profiles,
                      public MessageLoop,
                      public LibraryLoader {
 public:
  Process(Desktop& desktop, std::string name);

  Platform platform();
  Desktop& desktop() { return desktop_; }
  const std::string& name() const { return name_; }

  // The recorded calls, oldest first; note() adds a line of the caller's own
  // (the core's named operations record themselves this way).
  const std::vector<std::string>& calls() const { return calls_; }
  void note(std::string line);
  void clear_calls() { calls_.clear(); }

  bool ended() const { return exit_code_.has_value(); }
  std::optional<int> exit_code() const { return exit_code_; }

  // The libraries this process can load; the system folder is
  // "C:\windows\system32" and no library is there until the test adds one.
  // Their calls are recorded with the process's other calls.
  SimLibraryLoader& libraries() { return libraries_; }

  // Makes the named call ("RegisterClass", "CreateWindow", "SetTimer",
  // "RegisterHotKey") fail from now on.
  void fail(std::string api) { failing_.insert(std::move(api)); }

  // WindowSystem
  WindowId find_window(std::optional<std::string_view> class_name,
                       std::optional<std::string_view> title) override;
  bool post_message(WindowId window, const Message& message) override;
  std::intptr_t send_message(WindowId window, const Message& message) override;
  bool show_window(WindowId window, Show how) override;
  void update_window(WindowId window) override;
  bool set_foreground_window(WindowId window) override;
  void set_z_band(WindowId window, ZBand band) override;
  void set_focus(WindowId window) override;
  bool destroy_window(WindowId window) override;
  bool register_window_class(const WindowClassSpec& window_class) override;
  WindowId create_window(const WindowSpec& request, WindowHandler& handler) override;
  Size screen_size() override;
  void post_quit(int exit_code) override;
  // Timers
  bool set_timer(WindowId window, std::uint32_t id, std::uint32_t period_ms) override;
  bool kill_timer(WindowId window, std::uint32_t id) override;
  // MessageBoxes
  Answer show_message_box(const MessageBoxRequest& request) override;
  // PowerSettings
  int get_active(PowerFeature feature) override;
  bool set_active(PowerFeature feature, int value) override;
  // HotKeys
  bool register_hot_key(WindowId window, int id, std::uint32_t modifiers,
                        std::uint32_t virtual_key) override;
  // ProcessServices
  std::uint32_t win_exec(std::string_view command_line, Show show) override;
  bool set_current_directory(std::string_view path) override;
  std::string current_directory() override;
  void sleep(std::uint32_t milliseconds) override;
  // Profiles
  ProfileStore& win_ini() override;
  std::unique_ptr<ProfileStore> open_profile(std::string_view path) override;
  // MessageLoop: run() pumps the desktop until this process ends and returns
  // its exit code, or -1 when the queue runs dry first.
  bool load_accelerators(int resource_id) override;
  int run() override;

  std::optional<int> accelerators() const { return accelerators_; }

  // LibraryLoader
  std::string system_folder() override;
  ModuleHandle load(std::string_view path) override;
  ExportAddress find_export(ModuleHandle module, std::string_view name) override;
  void unload(ModuleHandle module) override;

 private:
  friend class Desktop;
  void record(std::string line) { calls_.push_back(std::move(line)); }
  bool failing(std::string_view api) const { return failing_.count(std::string(api)) != 0; }
  void take_library_calls();

  Desktop& desktop_;
  std::string name_;
  std::vector<std::string> calls_;
  std::set<std::string> failing_;
  std::set<std::string> classes_;
  std::string current_directory_ = "C:\\";
  std::optional<int> accelerators_;
  std::optional<int> exit_code_;
  std::unique_ptr<ProfileStore> win_ini_view_;
  SimLibraryLoader libraries_;
  std::size_t library_calls_taken_ = 0;
};

// A program WinExec can start: made by its factory when the start is pumped.
class Program {
 public:
  virtual ~Program() = default;
  virtual void start() = 0;
};

struct LaunchInfo {
  std::string command_line;
  Show show = Show::kShow;
};

using ProgramFactory = std::function<std::unique_ptr<Program>(Process&, const LaunchInfo&)>;

struct MessageBoxRecord {
  std::string process;
  std::string owner;  // window name, "null" for none
  std::string text;
  std::optional<std::string> caption;
  std::uint32_t type = 0;
};

struct ProgramStart {
  std::string process;  // who called WinExec
  std::string command_line;
  Show show = Show::kShow;
  std::uint32_t result = 0;
};

struct WindowState {
  std::string class_name;
  std::string title;
  std::string process;
  Rect rect;
  std::uint32_t style = 0;
  bool alive = true;
  bool visible = false;
  bool minimized = false;
  bool topmost = false;
};

class Desktop {
 public:
  explicit Desktop(Size screen = {1024, 768});
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // A process the test drives itself (the panel under test).
  Process& add_process(std::string name);
  Process* process(std::string_view name);

  // --- windows
  WindowId find(std::optional<std::string_view> class_name,
                std::optional<std::string_view> title) const;
  // The state of a window, alive or destroyed; nullptr for an unknown id.
  const WindowState* window(WindowId id) const;
  std::string name_of(WindowId id) const;
  WindowId foreground() const { return foreground_; }
  WindowId focus() const { return focus_; }

  // Every message a window received, oldest first: "Panel <- WM_COMMAND,
  // 42227, 1 (sent)".
  const std::vector<std::string>& deliveries() const { return deliveries_; }

  // --- the posted queue
  // Handles one queued item (a message, a program start or a process end);
  // false when the queue is empty.
  bool pump_one();
  // Handles queued items until the queue is empty; returns how many. Stops
  // after `limit` items so that a message storm fails a test instead of
  // hanging it.
  std::size_t pump(std::size_t limit = 100000);
  std::size_t queued() const { return queue_.size() - queue_head_; }

  // --- the clock
  std::uint64_t now() const { return now_; }
  // Moves the clock, pumping the queue and ticking each timer as it falls due.
  void advance(std::uint64_t milliseconds);
  std::optional<std::uint32_t> timer_period(WindowId window, std::uint32_t id) const;

  // --- events from outside
  // The key combination pressed: posts WM_HOTKEY to its registered window.
  bool press_hot_key(std::uint32_t modifiers, std::uint32_t virtual_key);
  // Sends WM_DEVICECHANGE (default DBT_DEVNODES_CHANGED) to every window.
  void device_change(std::uint32_t event = 7);

  // --- power settings (start values: all three active)
  int power(PowerFeature feature) const;
  void set_power(PowerFeature feature, int value);

  // --- hot keys: the window and id holding a combination, if any
  std::optional<std::pair<WindowId, int>> hot_key(std::uint32_t modifiers,
                                                  std::uint32_t virtual_key) const;

  // --- message boxes
  using Responder = std::function<Answer(const MessageBoxRecord&)>;
  // Answers the next boxes in order; after the script the default responder
  // (the box's first button) answers.
  void script_answers(std::vector<Answer> answers);
  void set_responder(Responder responder) { responder_ = std::move(responder); }
  const std::vector<MessageBoxRecord>& message_boxes() const { return message_boxes_; }

  // --- programs
  // `file_name` is matched case-insensitively against the last component of
  // the program path on the command line.
  void register_program(std::string file_name, ProgramFactory factory, bool start_at_once = false);
  const std::vector<ProgramStart>& program_starts() const { return program_starts_; }

  // --- INI files
  MemoryProfileStore& win_ini() { return win_ini_; }
  // The file at a Windows path (case-insensitive), created empty on first use.
  MemoryProfileStore& file(std::string_view path);
  bool file_exists(std::string_view path) const;

 private:
  friend class Process;

  struct WindowRecord {
    WindowState state;
    Process* owner = nullptr;
    WindowHandler* handler = nullptr;
  };
  struct TimerRecord {
    std::uint32_t period = 0;
    std::uint64_t due = 0;
  };
  struct Registration {
    ProgramFactory factory;
    bool start_at_once = false;
  };
  struct QueueItem {
    enum class Kind { kMessage, kStart, kQuit } kind = Kind::kMessage;
    WindowId window;
    Message message;
    Process* process = nullptr;
    LaunchInfo launch;
    const Registration* registration = nullptr;
    int exit_code = 0;
  };
  struct RunningProgram {
    Process* process = nullptr;
    std::unique_ptr<Program> program;
  };

  WindowRecord* live(WindowId id);
  std::intptr_t deliver(WindowId id, const Message& message, std::string_view how);
  void end_process(Process& process, int exit_code);
  void start_program(Process& process, const Registration& registration, const LaunchInfo& launch);
  void reap();
  Answer answer(const MessageBoxRecord& record);
  Process& new_process(std::string name);

  Size screen_;
  std::vector<std::unique_ptr<Process>> processes_;
  std::map<std::uintptr_t, WindowRecord> windows_;
  std::uintptr_t next_window_ = 0x100;
  WindowId foreground_;
  WindowId focus_;
  std::vector<std::string> deliveries_;
  std::vector<QueueItem> queue_;
  std::size_t queue_head_ = 0;
  std::uint64_t now_ = 0;
  std::map<std::pair<std::uintptr_t, std::uint32_t>, TimerRecord> timers_;
  int power_[3] = {1, 1, 1};
  struct HotKey {
    WindowId window;
    int id = 0;
  };
  std::map<std::pair<std::uint32_t, std::uint32_t>, HotKey> hot_keys_;
  std::vector<Answer> scripted_answers_;
  std::size_t next_answer_ = 0;
  Responder responder_;
  std::vector<MessageBoxRecord> message_boxes_;
  std::map<std::string, Registration> programs_;
  std::vector<ProgramStart> program_starts_;
  std::vector<RunningProgram> running_;
  MemoryProfileStore win_ini_;
  std::map<std::string, std::unique_ptr<MemoryProfileStore>> files_;
  int depth_ = 0;
};

// Readable names for log lines.
std::string message_name(std::uint32_t id);
std::string_view show_name(Show how);

}  // namespace zel::platform::sim
