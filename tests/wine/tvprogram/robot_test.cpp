// robot.exe against windows of this test program: each test runs the robot as
// a child process while this thread keeps handling its own windows' messages,
// and compares what the window received with what the robot was told to do.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr char kTargetClass[] = "RobotTestTarget";
constexpr char kTargetTitle[] = "Robot target";
constexpr LRESULT kCommandResult = 1234;

std::vector<std::string> g_received;

LRESULT CALLBACK target_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto x = std::to_string(static_cast<short>(LOWORD(lparam)));
  const auto y = std::to_string(static_cast<short>(HIWORD(lparam)));
  switch (message) {
    case WM_COMMAND:
      g_received.push_back("cmd " + std::to_string(LOWORD(wparam)) + " " + std::to_string(static_cast<long>(lparam)) +
                           (InSendMessage() ? " sent" : " posted"));
      return kCommandResult;
    case WM_LBUTTONDOWN: g_received.push_back("down " + x + " " + y); return 0;
    case WM_LBUTTONUP: g_received.push_back("up " + x + " " + y); return 0;
    case WM_KEYDOWN: g_received.push_back("key " + std::to_string(wparam)); return 0;
    case WM_SYSKEYDOWN: g_received.push_back("syskey " + std::to_string(wparam)); return 0;
    case WM_CHAR: g_received.push_back("char " + std::to_string(wparam)); return 0;
    case WM_SYSCHAR: g_received.push_back("syschar " + std::to_string(wparam)); return 0;
    case WM_CLOSE: g_received.push_back("close"); return 0;
    default: return DefWindowProcA(window, message, wparam, lparam);
  }
}

void pump_for(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

std::string own_folder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string temp_file(const char* prefix) {
  char folder[MAX_PATH] = {};
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, prefix, 0, path);
  return path;
}

std::string read_file(const std::string& path) {
  std::string text;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

struct RobotRun {
  int exit_code = -1;
  std::string out;  // stdout and stderr
};

class Robot {
 public:
  // Starts robot.exe; the caller keeps its message loop going until finish().
  explicit Robot(const std::string& args) : output_(temp_file("rbt")) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE out = CreateFileA(output_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = out;
    std::string command_line(1, '"');
    command_line += own_folder();
    command_line += "robot.exe\" ";
    command_line += args;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
      process_ = process.hProcess;
      CloseHandle(process.hThread);
    }
    CloseHandle(out);
  }
  Robot(const Robot&) = delete;
  Robot& operator=(const Robot&) = delete;
  ~Robot() {
    if (process_ != nullptr) CloseHandle(process_);
    DeleteFileA(output_.c_str());
  }

  RobotRun finish(DWORD timeout_ms = 20000) {
    RobotRun run;
    if (process_ == nullptr) return run;
    const DWORD start = GetTickCount();
    while (MsgWaitForMultipleObjects(1, &process_, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) {
      pump_for(0);
      if (GetTickCount() - start > timeout_ms) {
        TerminateProcess(process_, 99);
        break;
      }
    }
    pump_for(50);  // what the robot posted arrives after it ended
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    run.exit_code = static_cast<int>(code);
    std::string text = read_file(output_);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    run.out = text;
    return run;
  }

 private:
  std::string output_;
  HANDLE process_ = nullptr;
};

RobotRun robot(const std::string& args) { return Robot(args).finish(); }

const std::string kTarget = std::string("\"") + kTargetClass + "\" \"" + kTargetTitle + "\" ";

class RobotTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = target_procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = kTargetClass;
    RegisterClassA(&window_class);
  }

  void SetUp() override {
    window_ = CreateWindowExA(0, kTargetClass, kTargetTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    pump_for(100);
    g_received.clear();
  }
  void TearDown() override {
    DestroyWindow(window_);
    pump_for(20);
  }

  HWND window_ = nullptr;
};

using Lines = std::vector<std::string>;

TEST_F(RobotTest, SendsAndPostsCommandsAndRawMessages) {
  RobotRun run = robot("send " + kTarget + "40113 -7");
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(run.out, "result=1234\n");
  run = robot("post " + kTarget + "0x7d2 5");
  EXPECT_EQ(run.exit_code, 0) << run.out;
  run = robot("post-msg " + kTarget + "WM_CLOSE");
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(g_received, (Lines{"cmd 40113 -7 sent", "cmd 2002 5 posted", "close"}));
}

TEST_F(RobotTest, FindsWindowsAndReportsMissingOnesAndTimeouts) {
  RobotRun run = robot("wait-window " + kTarget + "1000");
  EXPECT_EQ(run.exit_code, 0);
  char expected[32];
  wsprintfA(expected, "hwnd=0x%08lx\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window_)));
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(robot("wait-window - \"" + std::string(kTargetTitle) + "\" 100").exit_code, 0) << "any class";

  EXPECT_EQ(robot("wait-window NoSuchClass - 200").exit_code, 2);
  EXPECT_EQ(robot("wait-gone NoSuchClass - 200").exit_code, 0);
  EXPECT_EQ(robot("wait-gone " + kTarget + "200").exit_code, 2);
  run = robot("send NoSuchClass - 1 0");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.out.find("no window"), std::string::npos) << run.out;
  EXPECT_EQ(robot("frobnicate").exit_code, 1);
  EXPECT_EQ(robot("send " + kTarget + "notanumber 0").exit_code, 1);
}

TEST_F(RobotTest, ReportsRectangleAndStyle) {
  SetWindowPos(window_, HWND_TOPMOST, 120, 90, 320, 240, 0);
  pump_for(50);
  RECT frame;
  GetWindowRect(window_, &frame);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  RECT client;
  GetClientRect(window_, &client);
  char expected[256];
  wsprintfA(expected,
            "left=%ld top=%ld right=%ld bottom=%ld width=%ld height=%ld\n"
            "client-left=%ld client-top=%ld client-width=%ld client-height=%ld\n",
            frame.left, frame.top, frame.right, frame.bottom, frame.right - frame.left, frame.bottom - frame.top,
            origin.x, origin.y, client.right, client.bottom);
  EXPECT_EQ(robot("rect " + kTarget).out, expected);

  RobotRun run = robot("style " + kTarget);
  EXPECT_NE(run.out.find(" visible=1 topmost=1 minimized=0 region=none"), std::string::npos) << run.out;
  SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowRgn(window_, CreateEllipticRgn(0, 0, 200, 100), TRUE);
  ShowWindow(window_, SW_HIDE);
  pump_for(50);
  run = robot("style " + kTarget);
  EXPECT_NE(run.out.find(" visible=0 topmost=0 minimized=0 region=complex"), std::string::npos) << run.out;
}

TEST_F(RobotTest, ClicksAtClientCoordinates) {
  RobotRun run = robot("click " + kTarget + "30 40");
  EXPECT_EQ(run.exit_code, 0) << run.out;
  run = robot("click " + kTarget + "50 60 10 --post");
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(g_received, (Lines{"down 30 40", "up 30 40", "down 50 60", "up 50 60"}));
}

TEST_F(RobotTest, RefusesAClickThatAnotherWindowWouldCatch) {
  POINT corner{10, 10};
  ClientToScreen(window_, &corner);
  const HWND cover = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "cover", WS_POPUP | WS_VISIBLE, corner.x, corner.y, 50,
                                     50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  pump_for(50);
  const RobotRun run = robot("click " + kTarget + "20 20");
  DestroyWindow(cover);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.out.find("\"cover\""), std::string::npos) << run.out;
  EXPECT_TRUE(g_received.empty());
}

TEST_F(RobotTest, PressesKeysThroughTheInputQueue) {
  struct Case {
    const char* args;
    Lines received;
  };
  const Case cases[] = {
      {"F5", {"key 116"}},
      {"a ctrl", {"key 17", "key 65", "char 1"}},
      {"/ alt", {"syskey 18", "syskey 191", "syschar 47"}},
      {"? alt", {"syskey 18", "syskey 16", "syskey 191", "syschar 63"}},
      {"pgup", {"key 33"}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.args);
    g_received.clear();
    const RobotRun run = robot("key " + kTarget + row.args);
    EXPECT_EQ(run.exit_code, 0) << run.out;
    EXPECT_EQ(g_received, row.received);
  }
  g_received.clear();
  EXPECT_EQ(robot("key " + kTarget + "DOWN --post").exit_code, 0);
  EXPECT_EQ(g_received, (Lines{"key 40"}));
  EXPECT_EQ(robot("key " + kTarget + "NoSuchKey").exit_code, 1);
  EXPECT_EQ(robot("key " + kTarget + "F5 hyper").exit_code, 1);
}

TEST_F(RobotTest, AnswersAMessageBoxByItsText) {
  Robot answer("answer-box \"Disk space is low.\" No");
  const int pressed = MessageBoxA(window_, "Disk space is low.", "Warning", MB_YESNO | MB_ICONWARNING);
  const RobotRun run = answer.finish();
  EXPECT_EQ(pressed, IDNO);
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(run.out, "caption=Warning\ntext=Disk space is low.\nbuttons=Yes,No\npressed=No\n");

  EXPECT_EQ(robot("answer-box - OK 200").exit_code, 2) << "no box open";
}

TEST_F(RobotTest, ReadsAndWritesIniKeysAndPrintsLogs) {
  const std::string ini = temp_file("ini");
  EXPECT_EQ(robot("ini-set \"" + ini + "\" TVTuner FMChannel 875").exit_code, 0);
  char value[32] = {};
  GetPrivateProfileStringA("tvtuner", "fmchannel", "", value, sizeof value, ini.c_str());
  EXPECT_STREQ(value, "875");
  EXPECT_EQ(robot("ini-get \"" + ini + "\" TVTUNER fmchannel").out, "875\n");
  EXPECT_EQ(robot("ini-set \"" + ini + "\" TVTuner Empty \"\"").exit_code, 0);
  RobotRun run = robot("ini-get \"" + ini + "\" TVTuner Empty");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "\n") << "empty is not missing";
  EXPECT_EQ(robot("ini-delete \"" + ini + "\" TVTuner FMChannel").exit_code, 0);
  EXPECT_EQ(robot("ini-get \"" + ini + "\" TVTuner FMChannel").exit_code, 1);
  EXPECT_EQ(robot("ini-delete \"" + ini + "\" TVTuner").exit_code, 0);
  EXPECT_EQ(robot("ini-get \"" + ini + "\" TVTuner Empty").exit_code, 1);
  DeleteFileA(ini.c_str());

  const std::string log = temp_file("log");
  const std::string text = "start show=0 source=3 channel=8 fm=875\ncmd 2002 0\n";
  const HANDLE file = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  EXPECT_EQ(robot("log \"" + log + "\"").out, text);
  SetEnvironmentVariableA("ZEL_TV_LOG", log.c_str());
  EXPECT_EQ(robot("log").out, text) << "the TV program's own rule finds it";
  SetEnvironmentVariableA("ZEL_TV_LOG", nullptr);
  DeleteFileA(log.c_str());
  EXPECT_EQ(robot("log \"" + log + "\"").exit_code, 1);
}

TEST_F(RobotTest, ListenerRecordsWhatItReceivesUntilClosed) {
  const std::string record = temp_file("lst");
  Robot listener("listen RobotListener Listener \"" + record + "\" 15000");
  HWND window = nullptr;
  for (int i = 0; i < 200 && window == nullptr; ++i) {
    window = FindWindowA("RobotListener", "Listener");
    if (window == nullptr) Sleep(20);
  }
  ASSERT_NE(window, nullptr);
  SendMessageA(window, WM_COMMAND, 42227, 1);
  PostMessageA(window, WM_COMMAND, 40113, 0);
  PostMessageA(window, 40042, 1, 0);
  PostMessageA(window, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F4));
  PostMessageA(window, WM_CLOSE, 0, 0);
  const RobotRun run = listener.finish();
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(read_file(record), "cmd 42227 1 sent\ncmd 40113 0 posted\nmsg 40042 1 0 posted\n"
                               "msg WM_HOTKEY 0 7536643\nmsg WM_CLOSE\n");
  DeleteFileA(record.c_str());
}

}  // namespace
