#include "tests/host/core/sim_tv_program.h"

#include "companions/tvprogram/tv_commands.h"
#include "companions/tvprogram/tv_environment.h"
#include "panel/tuning/settings_keys.h"

namespace zel::testing {

using platform::Message;
using platform::WindowId;
namespace wm = platform::wm;

SimTvProgram::SimTvProgram(platform::sim::Process& process, const platform::sim::LaunchInfo& launch,
                           tv::TvOptions options, std::vector<std::string>& log)
    : process_(process), launch_(launch), options_(options), log_(log) {}

void SimTvProgram::start() {
  ProfileStore& win_ini = process_.win_ini();
  settings_ = process_.open_profile(
      tv::settings_file_path(settings::read(win_ini, settings::win_ini::kInstallDirectory),
                             settings::read(win_ini, settings::win_ini::kSettingIniFile)));
  process_.register_window_class(platform::WindowClassSpec{tv::kTvWindowClass, 0, 0, 0, ""});
  window_ = process_.create_window(
      platform::WindowSpec{0, tv::kTvWindowClass, tv::kTvWindowTitle, 0, {0, 0, 640, 480}, {}}, *this);
  if (launch_.show != platform::Show::kHide) process_.show_window(window_, launch_.show);
  core_ = std::make_unique<tv::TvProgramCore>(*this, *settings_, options_);
  core_->start(static_cast<int>(launch_.show));
}

std::optional<std::intptr_t> SimTvProgram::handle(WindowId, const Message& message) {
  if (!core_) return std::nullopt;
  switch (message.id) {
    case wm::kCommand:
      core_->on_command(platform::command_of(message), platform::argument_of(message));
      return 0;
    case wm::kClose:
      core_->on_message(tv::WindowMessage::kClose);
      return 0;
    case wm::kLButtonDblClk:
      core_->on_message(tv::WindowMessage::kLeftDoubleClick);
      return 0;
    default:
      return std::nullopt;
  }
}

bool SimTvProgram::send_to_panel(std::uint16_t command, std::int32_t argument) {
  const WindowId panel = process_.find_window(tv::kPanelWindowClass, tv::kPanelWindowTitle);
  if (!panel) return false;
  process_.send_message(panel, platform::command_message(command, argument));
  return true;
}

bool SimTvProgram::post_to_panel(std::uint16_t command, std::int32_t argument) {
  const WindowId panel = process_.find_window(tv::kPanelWindowClass, tv::kPanelWindowTitle);
  if (!panel) return false;
  return process_.post_message(panel, platform::command_message(command, argument));
}

void SimTvProgram::close_window() {
  process_.destroy_window(window_);
  process_.post_quit(0);
}

void SimTvProgram::install(platform::sim::Desktop& desktop, const tv::TvOptions& options,
                           std::vector<std::string>& log) {
  desktop.register_program(
      "video.ex_", [&options, &log](platform::sim::Process& process,
                                    const platform::sim::LaunchInfo& launch) {
        return std::make_unique<SimTvProgram>(process, launch, options, log);
      });
}

}  // namespace zel::testing
