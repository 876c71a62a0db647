// INI keys through the platform's profile functions, the TV program's log,
// and starting programs with WinExec.
#include <cstdio>

#include "companions/tvprogram/win32/tv_locations.h"
#include "panel/tuning/settings_keys.h"
#include "tools/robot/robot.h"

namespace robot {
namespace {

constexpr DWORD kValueBuffer = 65536;
constexpr char kMissing[] = "\x01robot-missing\x01";

}  // namespace

// A bare file name ("win.ini") is looked for in the Windows folder, as the
// profile functions do.
int ini_get(const Invocation& call) {
  std::string value(kValueBuffer, '\0');
  const DWORD length = GetPrivateProfileStringA(call.args[1].c_str(), call.args[2].c_str(), kMissing,
                                                value.data(), kValueBuffer, call.args[0].c_str());
  value.resize(length);
  if (value == kMissing) {
    std::fprintf(stderr, "robot: [%s] %s is missing from %s\n", call.args[1].c_str(), call.args[2].c_str(),
                 call.args[0].c_str());
    return kFailure;
  }
  std::printf("%s\n", value.c_str());
  return kOk;
}

int ini_set(const Invocation& call) {
  if (WritePrivateProfileStringA(call.args[1].c_str(), call.args[2].c_str(), call.args[3].c_str(),
                                 call.args[0].c_str()) == FALSE) {
    return fail("cannot write to " + call.args[0]);
  }
  return kOk;
}

int ini_delete(const Invocation& call) {
  const char* key = call.args.size() > 2 ? call.args[2].c_str() : nullptr;
  if (WritePrivateProfileStringA(call.args[1].c_str(), key, nullptr, call.args[0].c_str()) == FALSE) {
    return fail("cannot write to " + call.args[0]);
  }
  return kOk;
}

int print_log(const Invocation& call) {
  const std::string path = call.args.empty() ? zel::tv::installed_log_path() : call.args[0];
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return fail("cannot open the log " + path);
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE && got > 0) {
    std::fwrite(buffer, 1, got, stdout);
  }
  CloseHandle(file);
  return kOk;
}

int exec(const Invocation& call) {
  const UINT show = static_cast<UINT>(number_arg(call, 1, SW_SHOWNORMAL));
  const UINT result = WinExec(call.args[0].c_str(), show);
  std::printf("result=%u\n", result);
  return result > 31 ? kOk : kFailure;
}

}  // namespace robot
