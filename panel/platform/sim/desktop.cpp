#include "panel/platform/sim/desktop.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace zel::platform::sim {
namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string optional_text(std::optional<std::string_view> s) {
  return s ? std::string(*s) : std::string("null");
}

std::string describe(const Message& m) {
  return message_name(m.id) + ", " + std::to_string(m.wparam) + ", " + std::to_string(m.lparam);
}

// The program file a command line names: the first token (quoted or not),
// without its folder.
std::string program_file(std::string_view command_line) {
  std::string_view path = command_line;
  if (!path.empty() && path.front() == '"') {
    path.remove_prefix(1);
    path = path.substr(0, path.find('"'));
  } else {
    path = path.substr(0, path.find(' '));
  }
  const std::size_t slash = path.find_last_of("\\/");
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  return lower(path);
}

// A store handed out by open_profile: the desktop keeps the file, so every
// process that opens the same path sees the same content.
class SharedFileStore final : public ProfileStore {
 public:
  explicit SharedFileStore(MemoryProfileStore& file) : file_(file) {}
  std::string read_text(std::string_view s, std::string_view k, std::string_view d,
                        std::size_t n) override {
    return file_.read_text(s, k, d, n);
  }
  std::int32_t read_int(std::string_view s, std::string_view k, std::int32_t d) override {
    return file_.read_int(s, k, d);
  }
  bool write_text(std::string_view s, std::string_view k, std::string_view v) override {
    return file_.write_text(s, k, v);
  }
  bool delete_key(std::string_view s, std::string_view k) override { return file_.delete_key(s, k); }
  bool delete_section(std::string_view s) override { return file_.delete_section(s); }

 private:
  MemoryProfileStore& file_;
};

// win.ini as one process sees it: every access is a recorded call.
class RecordingWinIni final : public ProfileStore {
 public:
  RecordingWinIni(MemoryProfileStore& file, Process& process) : file_(file), process_(process) {}
  std::string read_text(std::string_view s, std::string_view k, std::string_view d,
                        std::size_t n) override {
    std::string v = file_.read_text(s, k, d, n);
    process_.note("GetProfileString(" + std::string(s) + ", " + std::string(k) + ") = " + v);
    return v;
  }
  std::int32_t read_int(std::string_view s, std::string_view k, std::int32_t d) override {
    const std::int32_t v = file_.read_int(s, k, d);
    process_.note("GetProfileInt(" + std::string(s) + ", " + std::string(k) + ") = " +
                  std::to_string(v));
    return v;
  }
  bool write_text(std::string_view s, std::string_view k, std::string_view v) override {
    process_.note("WriteProfileString(" + std::string(s) + ", " + std::string(k) + ", " +
                  std::string(v) + ")");
    return file_.write_text(s, k, v);
  }
  bool delete_key(std::string_view s, std::string_view k) override {
    process_.note("WriteProfileString(" + std::string(s) + ", " + std::string(k) + ", null)");
    return file_.delete_key(s, k);
  }
  bool delete_section(std::string_view s) override {
    process_.note("WriteProfileString(" + std::string(s) + ", null, null)");
    return file_.delete_section(s);
  }

 private:
  MemoryProfileStore& file_;
  Process& process_;
};

}  // namespace

std::string message_name(std::uint32_t id) {
  switch (id) {
    case wm::kNull: return "WM_NULL";
    case wm::kCreate: return "WM_CREATE";
    case wm::kDestroy: return "WM_DESTROY";
    case wm::kPaint: return "WM_PAINT";
    case wm::kClose: return "WM_CLOSE";
    case wm::kQuit: return "WM_QUIT";
    case wm::kNotify: return "WM_NOTIFY";
    case wm::kKeyDown: return "WM_KEYDOWN";
    case wm::kCommand: return "WM_COMMAND";
    case wm::kTimer: return "WM_TIMER";
    case wm::kMouseMove: return "WM_MOUSEMOVE";
    case wm::kLButtonDown: return "WM_LBUTTONDOWN";
    case wm::kLButtonUp: return "WM_LBUTTONUP";
    case wm::kLButtonDblClk: return "WM_LBUTTONDBLCLK";
    case wm::kRButtonDown: return "WM_RBUTTONDOWN";
    case wm::kDeviceChange: return "WM_DEVICECHANGE";
    case wm::kHotKey: return "WM_HOTKEY";
    default: return std::to_string(id);
  }
}

std::string_view show_name(Show how) {
  switch (how) {
    case Show::kHide: return "SW_HIDE";
    case Show::kShowNormal: return "SW_SHOWNORMAL";
    case Show::kShowMinimized: return "SW_SHOWMINIMIZED";
    case Show::kShow: return "SW_SHOW";
    case Show::kMinimize: return "SW_MINIMIZE";
    case Show::kRestore: return "SW_RESTORE";
  }
  return "SW_?";
}

// ---------------------------------------------------------------- Process

Process::Process(Desktop& desktop, std::string name) : desktop_(desktop), name_(std::move(name)) {
  libraries_.set_system_folder("C:\\windows\\system32");
}

Platform Process::platform() {
  return Platform{*this, *this, *this, *this, *this, *this, *this, *this, *this};
}

void Process::take_library_calls() {
  const auto& lines = libraries_.calls();
  for (; library_calls_taken_ < lines.size(); ++library_calls_taken_) {
    record(lines[library_calls_taken_]);
  }
}

std::string Process::system_folder() {
  std::string folder = libraries_.system_folder();
  take_library_calls();
  return folder;
}

ModuleHandle Process::load(std::string_view path) {
  const ModuleHandle module = libraries_.load(path);
  take_library_calls();
  return module;
}

ExportAddress Process::find_export(ModuleHandle module, std::string_view name) {
  const ExportAddress address = libraries_.find_export(module, name);
  take_library_calls();
  return address;
}

void Process::unload(ModuleHandle module) {
  libraries_.unload(module);
  take_library_calls();
}

void Process::note(std::string line) { record(std::move(line)); }

WindowId Process::find_window(std::optional<std::string_view> class_name,
                              std::optional<std::string_view> title) {
  const WindowId found = desktop_.find(class_name, title);
  record("FindWindow(" + optional_text(class_name) + ", " + optional_text(title) + ") = " +
         desktop_.name_of(found));
  return found;
}

bool Process::post_message(WindowId window, const Message& message) {
  record("PostMessage(" + desktop_.name_of(window) + ", " + describe(message) + ")");
  if (!window) return true;
  if (desktop_.live(window) == nullptr) return false;
  Desktop::QueueItem item;
  item.window = window;
  item.message = message;
  desktop_.queue_.push_back(std::move(item));
  return true;
}

std::intptr_t Process::send_message(WindowId window, const Message& message) {
  record("SendMessage(" + desktop_.name_of(window) + ", " + describe(message) + ")");
  return desktop_.deliver(window, message, "sent");
}

bool Process::show_window(WindowId window, Show how) {
  record("ShowWindow(" + desktop_.name_of(window) + ", " + std::string(show_name(how)) + ")");
  Desktop::WindowRecord* w = desktop_.live(window);
  if (w == nullptr) return false;
  const bool was_visible = w->state.visible;
  switch (how) {
    case Show::kHide: w->state.visible = false; break;
    case Show::kShowMinimized:
    case Show::kMinimize:
      w->state.visible = true;
      w->state.minimized = true;
      break;
    case Show::kShowNormal:
    case Show::kShow:
    case Show::kRestore:
      w->state.visible = true;
      if (how != Show::kShow) w->state.minimized = false;
      break;
  }
  return was_visible;
}

void Process::update_window(WindowId window) {
  record("UpdateWindow(" + desktop_.name_of(window) + ")");
}

bool Process::set_foreground_window(WindowId window) {
  record("SetForegroundWindow(" + desktop_.name_of(window) + ")");
  if (desktop_.live(window) == nullptr) return false;
  desktop_.foreground_ = window;
  return true;
}

void Process::set_z_band(WindowId window, ZBand band) {
  record("SetWindowPos(" + desktop_.name_of(window) + ", " +
         (band == ZBand::kTopmost ? "HWND_TOPMOST" : "HWND_NOTOPMOST") + ")");
  if (Desktop::WindowRecord* w = desktop_.live(window)) w->state.topmost = band == ZBand::kTopmost;
}

void Process::set_focus(WindowId window) {
  record("SetFocus(" + desktop_.name_of(window) + ")");
  if (desktop_.live(window) != nullptr) desktop_.focus_ = window;
}

bool Process::destroy_window(WindowId window) {
  record("DestroyWindow(" + desktop_.name_of(window) + ")");
  Desktop::WindowRecord* w = desktop_.live(window);
  if (w == nullptr) return false;
  desktop_.deliver(window, Message{wm::kDestroy, 0, 0}, "sent");
  w->state.alive = false;
  w->state.visible = false;
  std::erase_if(desktop_.timers_, [&](const auto& t) { return t.first.first == window.value; });
  std::erase_if(desktop_.hot_keys_, [&](const auto& h) { return h.second.window == window; });
  if (desktop_.foreground_ == window) desktop_.foreground_ = kNoWindow;
  if (desktop_.focus_ == window) desktop_.focus_ = kNoWindow;
  return true;
}

bool Process::register_window_class(const WindowClassSpec& window_class) {
  record("RegisterClass(" + window_class.name + ", style " + std::to_string(window_class.style) + ", icon " +
         std::to_string(window_class.icon_resource) + ", cursor " + std::to_string(window_class.cursor_resource) +
         ", menu " + window_class.menu_name + ")");
  if (failing("RegisterClass") || classes_.count(lower(window_class.name)) != 0) return false;
  classes_.insert(lower(window_class.name));
  return true;
}

WindowId Process::create_window(const WindowSpec& request, WindowHandler& handler) {
  std::string line = "CreateWindow(" + std::to_string(request.ex_style) + ", " + request.class_name +
                     ", " + request.title + ", " + std::to_string(request.style) + ", " +
                     std::to_string(request.rect.left) + ", " + std::to_string(request.rect.top) + ", " +
                     std::to_string(request.rect.width()) + ", " + std::to_string(request.rect.height()) +
                     ", parent " + desktop_.name_of(request.parent) + ")";
  if (failing("CreateWindow") || classes_.count(lower(request.class_name)) == 0) {
    record(line + " = null");
    return kNoWindow;
  }
  record(line);
  const WindowId id{desktop_.next_window_++};
  Desktop::WindowRecord& w = desktop_.windows_[id.value];
  w.state.class_name = request.class_name;
  w.state.title = request.title;
  w.state.process = name_;
  w.state.rect = request.rect;
  w.state.style = request.style;
  w.owner = this;
  w.handler = &handler;
  if (desktop_.deliver(id, Message{wm::kCreate, 0, 0}, "sent") == -1) {
    desktop_.windows_[id.value].state.alive = false;
    return kNoWindow;
  }
  return id;
}

Size Process::screen_size() {
  record("GetScreenSize() = " + std::to_string(desktop_.screen_.width) + "x" +
         std::to_string(desktop_.screen_.height));
  return desktop_.screen_;
}

void Process::post_quit(int exit_code) {
  record("PostQuitMessage(" + std::to_string(exit_code) + ")");
  Desktop::QueueItem item;
  item.kind = Desktop::QueueItem::Kind::kQuit;
  item.process = this;
  item.exit_code = exit_code;
  desktop_.queue_.push_back(std::move(item));
}

bool Process::set_timer(WindowId window, std::uint32_t id, std::uint32_t period_ms) {
  record("SetTimer(" + desktop_.name_of(window) + ", " + std::to_string(id) + ", " +
         std::to_string(period_ms) + ")");
  if (failing("SetTimer") || desktop_.live(window) == nullptr) return false;
  // Windows raises shorter periods to its 10 ms minimum.
  const std::uint32_t period = std::max<std::uint32_t>(period_ms, 10);
  desktop_.timers_[{window.value, id}] = Desktop::TimerRecord{period, desktop_.now_ + period};
  return true;
}

bool Process::kill_timer(WindowId window, std::uint32_t id) {
  record("KillTimer(" + desktop_.name_of(window) + ", " + std::to_string(id) + ")");
  return desktop_.timers_.erase({window.value, id}) != 0;
}

Answer Process::show_message_box(const MessageBoxRequest& request) {
  MessageBoxRecord r{name_, desktop_.name_of(request.owner), request.text, request.caption,
                     request.type};
  const Answer a = desktop_.answer(r);
  record("MessageBox(" + r.owner + ", \"" + r.text + "\", " +
         (r.caption ? "\"" + *r.caption + "\"" : std::string("default caption")) + ", " +
         std::to_string(r.type) + ") = " + std::to_string(static_cast<int>(a)));
  desktop_.message_boxes_.push_back(std::move(r));
  return a;
}

int Process::get_active(PowerFeature feature) {
  const int v = desktop_.power(feature);
  record("SystemParametersInfo(" + std::to_string(spi_numbers(feature).get) + ") = " +
         std::to_string(v));
  return v;
}

bool Process::set_active(PowerFeature feature, int value) {
  record("SystemParametersInfo(" + std::to_string(spi_numbers(feature).set) + ", " +
         std::to_string(value) + ", " + std::to_string(kSpifUpdateAndSend) + ")");
  desktop_.set_power(feature, value);
  return true;
}

bool Process::register_hot_key(WindowId window, int id, std::uint32_t modifiers,
                               std::uint32_t virtual_key) {
  record("RegisterHotKey(" + desktop_.name_of(window) + ", " + std::to_string(id) + ", " +
         std::to_string(modifiers) + ", " + std::to_string(virtual_key) + ")");
  if (failing("RegisterHotKey") || desktop_.live(window) == nullptr) return false;
  const auto key = std::make_pair(modifiers, virtual_key);
  if (desktop_.hot_keys_.count(key) != 0) return false;
  desktop_.hot_keys_[key] = Desktop::HotKey{window, id};
  return true;
}

std::uint32_t Process::win_exec(std::string_view command_line, Show show) {
  const auto found = desktop_.programs_.find(program_file(command_line));
  const std::uint32_t result = found == desktop_.programs_.end() ? 2 : 33;
  record("WinExec(" + std::string(command_line) + ", " + std::string(show_name(show)) + ") = " +
         std::to_string(result));
  desktop_.program_starts_.push_back(ProgramStart{name_, std::string(command_line), show, result});
  if (found == desktop_.programs_.end()) return result;
  Process& started = desktop_.new_process(found->first);
  LaunchInfo launch{std::string(command_line), show};
  if (found->second.start_at_once) {
    desktop_.start_program(started, found->second, launch);
  } else {
    Desktop::QueueItem item;
    item.kind = Desktop::QueueItem::Kind::kStart;
    item.process = &started;
    item.launch = std::move(launch);
    item.registration = &found->second;
    desktop_.queue_.push_back(std::move(item));
  }
  return result;
}

bool Process::set_current_directory(std::string_view path) {
  record("SetCurrentDirectory(" + std::string(path) + ")");
  // As on Windows, an empty path is refused and the directory stays.
  if (path.empty()) return false;
  current_directory_ = std::string(path);
  return true;
}

std::string Process::current_directory() {
  record("GetCurrentDirectory() = " + current_directory_);
  return current_directory_;
}

void Process::sleep(std::uint32_t milliseconds) {
  record("Sleep(" + std::to_string(milliseconds) + ")");
  desktop_.now_ += milliseconds;
}

ProfileStore& Process::win_ini() {
  if (!win_ini_view_) win_ini_view_ = std::make_unique<RecordingWinIni>(desktop_.win_ini_, *this);
  return *win_ini_view_;
}

std::unique_ptr<ProfileStore> Process::open_profile(std::string_view path) {
  record("OpenProfile(" + std::string(path) + ")");
  return std::make_unique<SharedFileStore>(desktop_.file(path));
}

bool Process::load_accelerators(int resource_id) {
  record("LoadAccelerators(" + std::to_string(resource_id) + ")");
  accelerators_ = resource_id;
  return true;
}

int Process::run() {
  record("MessageLoop()");
  while (!ended() && desktop_.pump_one()) {
  }
  return exit_code_.value_or(-1);
}

// ---------------------------------------------------------------- Desktop

Desktop::Desktop(Size screen) : screen_(screen) {}

Desktop::~Desktop() {
  running_.clear();
  processes_.clear();
}

Process& Desktop::new_process(std::string name) {
  std::string unique = name;
  for (int n = 2; process(unique) != nullptr; ++n) unique = name + "#" + std::to_string(n);
  processes_.push_back(std::make_unique<Process>(*this, unique));
  return *processes_.back();
}

Process& Desktop::add_process(std::string name) { return new_process(std::move(name)); }

Process* Desktop::process(std::string_view name) {
  for (auto& p : processes_) {
    if (p->name() == name) return p.get();
  }
  return nullptr;
}

Desktop::WindowRecord* Desktop::live(WindowId id) {
  const auto it = windows_.find(id.value);
  if (it == windows_.end() || !it->second.state.alive) return nullptr;
  return &it->second;
}

WindowId Desktop::find(std::optional<std::string_view> class_name,
                       std::optional<std::string_view> title) const {
  for (const auto& [id, w] : windows_) {
    if (!w.state.alive) continue;
    if (class_name && lower(*class_name) != lower(w.state.class_name)) continue;
    if (title && lower(*title) != lower(w.state.title)) continue;
    return WindowId{id};
  }
  return kNoWindow;
}

const WindowState* Desktop::window(WindowId id) const {
  const auto it = windows_.find(id.value);
  return it == windows_.end() ? nullptr : &it->second.state;
}

std::string Desktop::name_of(WindowId id) const {
  if (!id) return "null";
  const WindowState* w = window(id);
  if (w == nullptr) return "#" + std::to_string(id.value);
  return w->title.empty() ? w->class_name : w->title;
}

std::intptr_t Desktop::deliver(WindowId id, const Message& message, std::string_view how) {
  WindowRecord* w = live(id);
  if (w == nullptr) return 0;
  deliveries_.push_back(name_of(id) + " <- " + describe(message) + " (" + std::string(how) + ")");
  ++depth_;
  const std::optional<std::intptr_t> result =
      w->handler != nullptr ? w->handler->handle(id, message) : std::nullopt;
  --depth_;
  if (result) return *result;
  // The default window procedure: the one default that matters here is
  // closing.
  if (message.id == wm::kClose) w->owner->destroy_window(id);
  return 0;
}

bool Desktop::pump_one() {
  if (queue_head_ >= queue_.size()) {
    queue_.clear();
    queue_head_ = 0;
    return false;
  }
  const QueueItem item = queue_[queue_head_++];
  switch (item.kind) {
    case QueueItem::Kind::kMessage:
      deliver(item.window, item.message, "posted");
      break;
    case QueueItem::Kind::kStart:
      if (!item.process->ended()) start_program(*item.process, *item.registration, item.launch);
      break;
    case QueueItem::Kind::kQuit:
      end_process(*item.process, item.exit_code);
      break;
  }
  if (depth_ == 0) reap();
  return true;
}

std::size_t Desktop::pump(std::size_t limit) {
  std::size_t n = 0;
  while (n < limit && pump_one()) ++n;
  return n;
}

void Desktop::advance(std::uint64_t milliseconds) {
  const std::uint64_t target = now_ + milliseconds;
  pump();
  for (;;) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (next == timers_.end() || it->second.due < next->second.due) next = it;
    }
    if (next == timers_.end() || next->second.due > target) break;
    now_ = std::max(now_, next->second.due);
    next->second.due = now_ + next->second.period;
    const WindowId window{next->first.first};
    const std::uint32_t id = next->first.second;
    deliver(window, Message{wm::kTimer, id, 0}, "timer");
    if (depth_ == 0) reap();
    pump();
  }
  now_ = std::max(now_, target);
  pump();
}

std::optional<std::uint32_t> Desktop::timer_period(WindowId window, std::uint32_t id) const {
  const auto it = timers_.find({window.value, id});
  if (it == timers_.end()) return std::nullopt;
  return it->second.period;
}

bool Desktop::press_hot_key(std::uint32_t modifiers, std::uint32_t virtual_key) {
  const auto it = hot_keys_.find({modifiers, virtual_key});
  if (it == hot_keys_.end()) return false;
  QueueItem item;
  item.window = it->second.window;
  item.message = Message{wm::kHotKey, static_cast<std::uintptr_t>(it->second.id),
                         static_cast<std::intptr_t>((virtual_key << 16) | modifiers)};
  queue_.push_back(std::move(item));
  return true;
}

void Desktop::device_change(std::uint32_t event) {
  std::vector<WindowId> targets;
  for (const auto& [id, w] : windows_) {
    if (w.state.alive) targets.push_back(WindowId{id});
  }
  for (WindowId id : targets) deliver(id, Message{wm::kDeviceChange, event, 0}, "sent");
}

int Desktop::power(PowerFeature feature) const { return power_[static_cast<int>(feature)]; }

void Desktop::set_power(PowerFeature feature, int value) {
  power_[static_cast<int>(feature)] = value;
}

std::optional<std::pair<WindowId, int>> Desktop::hot_key(std::uint32_t modifiers,
                                                         std::uint32_t virtual_key) const {
  const auto it = hot_keys_.find({modifiers, virtual_key});
  if (it == hot_keys_.end()) return std::nullopt;
  return std::make_pair(it->second.window, it->second.id);
}

void Desktop::script_answers(std::vector<Answer> answers) {
  scripted_answers_ = std::move(answers);
  next_answer_ = 0;
}

Answer Desktop::answer(const MessageBoxRecord& record) {
  if (next_answer_ < scripted_answers_.size()) return scripted_answers_[next_answer_++];
  if (responder_) return responder_(record);
  switch (record.type & 0xFu) {
    case 3:  // MB_YESNOCANCEL
    case 4:  // MB_YESNO
      return Answer::kYes;
    default:
      return Answer::kOk;
  }
}

void Desktop::register_program(std::string file_name, ProgramFactory factory, bool start_at_once) {
  programs_[lower(file_name)] = Registration{std::move(factory), start_at_once};
}

void Desktop::start_program(Process& process, const Registration& registration,
                            const LaunchInfo& launch) {
  running_.push_back(RunningProgram{&process, registration.factory(process, launch)});
  if (running_.back().program) running_.back().program->start();
}

void Desktop::end_process(Process& process, int exit_code) {
  if (process.ended()) return;
  process.exit_code_ = exit_code;
  for (auto& [id, w] : windows_) {
    if (w.owner != &process || !w.state.alive) continue;
    w.state.alive = false;
    w.state.visible = false;
    std::erase_if(timers_, [&](const auto& t) { return t.first.first == id; });
    std::erase_if(hot_keys_, [&](const auto& h) { return h.second.window.value == id; });
    if (foreground_.value == id) foreground_ = kNoWindow;
    if (focus_.value == id) focus_ = kNoWindow;
  }
}

void Desktop::reap() {
  std::erase_if(running_, [](const RunningProgram& r) { return r.process->ended(); });
}

MemoryProfileStore& Desktop::file(std::string_view path) {
  auto& slot = files_[lower(path)];
  if (!slot) slot = std::make_unique<MemoryProfileStore>();
  return *slot;
}

bool Desktop::file_exists(std::string_view path) const { return files_.count(lower(path)) != 0; }

}  // namespace zel::platform::sim
