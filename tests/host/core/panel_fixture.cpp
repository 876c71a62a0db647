#include "tests/host/core/panel_fixture.h"

#include "panel/tuning/tuner_exports.h"
#include "tests/host/core/sim_tv_program.h"

namespace zel::testing {

void install_tuner_library(platform::sim::Process& process, int exports) {
  platform::sim::SimLibraryLoader::Exports table;
  if (exports >= 1) table["ZtGetFreqInfo"] = reinterpret_cast<platform::ExportAddress>(&ZtGetFreqInfo);
  if (exports >= 2) table["ZtGetContryInfo"] = reinterpret_cast<platform::ExportAddress>(&ZtGetContryInfo);
  process.libraries().add_library(kTunerLibraryPath, std::move(table));
}

PanelInstance::PanelInstance(platform::sim::Desktop& desktop, std::string name, bool tuner_library)
    : process(desktop.add_process(std::move(name))),
      hooks([this](std::string line) { process.note(std::move(line)); }),
      app(process.platform(), hooks) {
  if (tuner_library) install_tuner_library(process);
}

PanelTest::PanelTest() {
  desktop.win_ini().load(
      "[AP]\n222APDirectory=C:\\ZEL\nZelPanelIniFile=ZelPFile.ini\nZelSettingIniFile=ZelSFile.ini\n");
  SimTvProgram::install(desktop, tv_options, tv_log);
  panel = std::make_unique<PanelInstance>(desktop);
}

void PanelTest::start_panel() {
  const std::optional<int> early = panel->app.start();
  ASSERT_FALSE(early.has_value()) << "the panel ended at start with code " << *early;
}

void PanelTest::start_and_settle() {
  start_panel();
  desktop.pump();
}

void PanelTest::start_watching() {
  settings().load(
      "[HOVRA]\nCountryCode=49\nMin=1\nMax=3\nMinair=2\nMaxair=4\n"
      "[CHANNELLIST]\nALREADYSCAN=TRUE\n1=TRUE\n"
      "[CHANNELLISTAIR]\nALREADYSCAN=TRUE\n2=TRUE\n"
      "[CHANNELLISTFM]\nFM=1\n1=875\n"
      "[TVTuner]\nTVChannelCable=1\nTVChannelAir=2\nFMChannel=875\n");
  start_and_settle();
  ASSERT_TRUE(tv_window()) << "the TV program did not start";
  ASSERT_FALSE(state().busy) << "the TV program did not confirm its start";
  clear_calls();
  tv_log.clear();
}

platform::WindowId PanelTest::panel_window() const {
  return desktop.find("Zentavio Driftcam", "Panel");
}

platform::WindowId PanelTest::tv_window() const { return desktop.find("Zentavio Hovra", "Tv"); }

std::intptr_t PanelTest::send_command(core::CommandId command, std::int32_t argument) {
  platform::sim::Process* other = desktop.process("other");
  if (other == nullptr) other = &desktop.add_process("other");
  const std::intptr_t result =
      other->send_message(panel_window(), platform::command_message(command, argument));
  desktop.pump();
  return result;
}

void PanelTest::post_command(core::CommandId command, std::int32_t argument) {
  platform::sim::Process* other = desktop.process("other");
  if (other == nullptr) other = &desktop.add_process("other");
  other->post_message(panel_window(), platform::command_message(command, argument));
  desktop.pump();
}

std::vector<std::string> PanelTest::tv_commands() const {
  return platform::sim::calls_starting_with(tv_log, {"cmd ", "msg ", "start "});
}

void expect_calls(const char* file, int line, const std::vector<std::string>& actual,
                  const std::vector<std::string>& expected) {
  const std::string diff = platform::sim::diff_calls(expected, actual);
  if (!diff.empty()) {
    ADD_FAILURE_AT(file, line) << "call sequence differs (- expected, + recorded):\n" << diff;
  }
}

}  // namespace zel::testing
