#pragma once
// A panel on the simulated desktop: the win.ini entries Setup writes, the TV
// program stand-in registered as video.ex_, the tuner-data library in the
// system folder (answering from the built-in tables), and every seam call and
// named operation of the panel recorded in one sequence.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "companions/tvprogram/tv_program_core.h"
#include "panel/core/panel_app.h"
#include "panel/platform/sim/call_diff.h"
#include "panel/platform/sim/desktop.h"

namespace zel::testing {

inline constexpr const char* kTunerLibraryPath = "C:\\windows\\system32\\ZtTV.dll";

// Puts ZtTV.dll into the process's system folder; `exports` of 2 gives it
// both entry points, 1 only ZtGetFreqInfo, 0 none.
void install_tuner_library(platform::sim::Process& process, int exports = 2);

// One panel process with its hooks.
struct PanelInstance {
  explicit PanelInstance(platform::sim::Desktop& desktop, std::string name = "panel",
                         bool tuner_library = true);
  platform::sim::Process& process;
  core::PanelHooks hooks;
  core::PanelApp app;
};

class PanelTest : public ::testing::Test {
 protected:
  static constexpr const char* kSettingsPath = "C:\\ZEL\\ZelSFile.ini";
  static constexpr const char* kSkinPath = "C:\\ZEL\\ZelPFile.ini";

  PanelTest();

  platform::sim::MemoryProfileStore& settings() { return desktop.file(kSettingsPath); }
  core::PanelApp& app() { return panel->app; }
  core::PanelState& state() { return panel->app.state(); }
  const std::vector<std::string>& calls() const { return panel->process.calls(); }
  void clear_calls() { panel->process.clear_calls(); }

  // Starts the panel; expects it to reach its message loop.
  void start_panel();
  // Starts the panel and lets everything queued run: the stored source
  // command, the TV program's start and its confirmation.
  void start_and_settle();
  // A settled panel with the TV program running, country chosen and lists
  // scanned, so that no first-use step intervenes; calls cleared.
  void start_watching();

  platform::WindowId panel_window() const;
  platform::WindowId tv_window() const;
  // Sends the panel a command as another program would.
  std::intptr_t send_command(core::CommandId command, std::int32_t argument = 0);
  void post_command(core::CommandId command, std::int32_t argument = 0);
  // The TV program's log lines starting with "cmd " (the commands it got).
  std::vector<std::string> tv_commands() const;

  platform::sim::Desktop desktop;
  tv::TvOptions tv_options;
  std::vector<std::string> tv_log;
  std::unique_ptr<PanelInstance> panel;
};

void expect_calls(const char* file, int line, const std::vector<std::string>& actual,
                  const std::vector<std::string>& expected);

}  // namespace zel::testing

// Compares a recorded call sequence with the expected lines; on a difference
// the failure shows a line diff at the caller's line.
#define EXPECT_CALLS(actual, ...) \
  ::zel::testing::expect_calls(__FILE__, __LINE__, (actual), std::vector<std::string>{__VA_ARGS__})
