#pragma once
// The TV program stand-in's portable core, run as a program of the simulated
// desktop: video.ex_ started by WinExec creates the "Zentavio Hovra" / "Tv"
// window, finds its settings file through win.ini [AP] as the real program
// does, and talks to the panel through the sim's messages.
#include <memory>
#include <string>
#include <vector>

#include "companions/tvprogram/tv_program_core.h"
#include "panel/platform/sim/desktop.h"

namespace zel::testing {

class SimTvProgram final : public platform::sim::Program,
                           public platform::WindowHandler,
                           public tv::TvHost {
 public:
  // `log` collects the program's log lines across restarts.
  SimTvProgram(platform::sim::Process& process, const platform::sim::LaunchInfo& launch,
               tv::TvOptions options, std::vector<std::string>& log);

  void start() override;
  std::optional<std::intptr_t> handle(platform::WindowId self,
                                      const platform::Message& message) override;

  bool send_to_panel(std::uint16_t command, std::int32_t argument) override;
  bool post_to_panel(std::uint16_t command, std::int32_t argument) override;
  void append_log(std::string_view line) override { log_.emplace_back(line); }
  void tuning_changed() override {}
  void close_window() override;

  // Registers video.ex_ on the desktop; every start makes a SimTvProgram.
  static void install(platform::sim::Desktop& desktop, const tv::TvOptions& options,
                      std::vector<std::string>& log);

 private:
  platform::sim::Process& process_;
  platform::sim::LaunchInfo launch_;
  tv::TvOptions options_;
  std::vector<std::string>& log_;
  std::unique_ptr<ProfileStore> settings_;
  std::unique_ptr<tv::TvProgramCore> core_;
  platform::WindowId window_;
};

}  // namespace zel::testing
