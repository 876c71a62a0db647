#include <gtest/gtest.h>

#include "panel/core/command_gates.h"
#include "tests/host/core/panel_fixture.h"

namespace zel::testing {
namespace {

using core::passes_command_gates;

struct GateCase {
  core::CommandId command;
  bool time_shift;
  bool recording;
  bool passes;
};

std::ostream& operator<<(std::ostream& os, const GateCase& c) {
  return os << c.command << " " << core::command_name(c.command) << " time_shift=" << c.time_shift
            << " recording=" << c.recording;
}

// Every command of the three gate lists, in each of the four states, plus
// commands on no list.
TEST(CommandGates, TableOfCases) {
  const GateCase cases[] = {
      // Neither time shift nor recording: all pass except the time-shift-only ones.
      {40034, false, false, true}, {40113, false, false, true}, {40005, false, false, true},
      {40017, false, false, false}, {40029, false, false, false}, {40030, false, false, false},
      {40031, false, false, false}, {40032, false, false, false}, {40301, false, false, false},
      {40038, false, false, true}, {46101, false, false, true}, {40016, false, false, true},
      // Time shift: exactly the first list.
      {40005, true, false, true}, {40006, true, false, true}, {40017, true, false, true},
      {40029, true, false, true}, {40030, true, false, true}, {40031, true, false, true},
      {40032, true, false, true}, {40038, true, false, true}, {40113, true, false, true},
      {40301, true, false, true}, {40315, true, false, true}, {40323, true, false, true},
      {40324, true, false, true}, {40325, true, false, true}, {46101, true, false, true},
      {40007, true, false, false}, {40008, true, false, false}, {40034, true, false, false},
      {40016, true, false, false}, {40114, true, false, false}, {40312, true, false, false},
      {32772, true, false, false}, {40111, true, false, false},
      // Recording: exactly the third list; even 40113 is dropped.
      {40005, false, true, true}, {40006, false, true, true}, {40016, false, true, true},
      {40114, false, true, true}, {40124, false, true, true}, {40201, false, true, true},
      {40311, false, true, true}, {40312, false, true, true}, {40314, false, true, true},
      {40323, false, true, true}, {40324, false, true, true}, {40325, false, true, true},
      {40113, false, true, false}, {40034, false, true, false}, {40040, false, true, false},
      {40008, false, true, false}, {42227, false, true, false}, {105, false, true, false},
      {40315, false, true, false},
      // Both: a command must be on both lists.
      {40005, true, true, true}, {40323, true, true, true}, {40325, true, true, true},
      {40016, true, true, false}, {40113, true, true, false}, {40017, true, true, false},
      {40312, true, true, false},
  };
  for (const GateCase& c : cases) {
    EXPECT_EQ(passes_command_gates(c.command, c.time_shift, c.recording), c.passes) << c;
  }
}

// A dropped command has no effect at all, whoever sends it.
TEST_F(PanelTest, GatesDropCommandsBeforeTheirHandlers) {
  start_watching();
  state().recording = true;
  state().busy = true;
  send_command(40113);
  EXPECT_TRUE(state().busy) << "40113 must be dropped during a recording";
  send_command(40012);
  EXPECT_TRUE(tv_commands().empty());

  state().recording = false;
  state().timeShift = true;
  send_command(40113);  // on the time-shift list
  EXPECT_FALSE(state().busy);
  state().recordToggleReady = false;
  send_command(40312);  // not on it
  EXPECT_FALSE(state().recordToggleReady);
}

}  // namespace
}  // namespace zel::testing
