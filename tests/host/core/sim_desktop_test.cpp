// The simulated desktop's own promises, on which the panel tests rely.
#include <gtest/gtest.h>

#include <functional>

#include "panel/platform/sim/call_diff.h"
#include "panel/platform/sim/desktop.h"

namespace zel::platform::sim {
namespace {

// A window whose handler the test writes.
struct Probe final : WindowHandler {
  std::function<std::optional<std::intptr_t>(WindowId, const Message&)> on;
  std::optional<std::intptr_t> handle(WindowId self, const Message& m) override {
    return on ? on(self, m) : std::nullopt;
  }
};

WindowId make_window(Process& p, Probe& probe, const std::string& cls, const std::string& title) {
  p.register_window_class({cls, 0, 0, 0, ""});
  return p.create_window({0, cls, title, 0, {0, 0, 10, 10}, {}}, probe);
}

TEST(SimDesktop, SendIsReentrantAndPostWaitsForThePump) {
  Desktop d;
  Process& a = d.add_process("a");
  Process& b = d.add_process("b");
  Probe pa, pb;
  std::vector<std::string> seen;
  const WindowId wa = make_window(a, pa, "A", "a");
  const WindowId wb = make_window(b, pb, "B", "b");
  pa.on = [&](WindowId, const Message& m) -> std::optional<std::intptr_t> {
    if (m.id == wm::kCommand) seen.push_back("a got " + std::to_string(m.wparam));
    return 0;
  };
  pb.on = [&](WindowId, const Message& m) -> std::optional<std::intptr_t> {
    if (m.id != wm::kCommand) return std::nullopt;
    seen.push_back("b got " + std::to_string(m.wparam));
    b.post_message(wa, command_message(2, 0));
    b.send_message(wa, command_message(1, 0));  // answered inside a's send
    return 7;
  };
  EXPECT_EQ(a.send_message(wb, command_message(42, 0)), 7);
  EXPECT_EQ(seen, (std::vector<std::string>{"b got 42", "a got 1"}));
  EXPECT_EQ(d.queued(), 1u);
  d.pump();
  EXPECT_EQ(seen.back(), "a got 2");
}

TEST(SimDesktop, TimersRunOnTheVirtualClockAndSleepDoesNotPump) {
  Desktop d;
  Process& p = d.add_process("p");
  Probe probe;
  std::vector<std::uint64_t> ticks;
  probe.on = [&](WindowId, const Message& m) -> std::optional<std::intptr_t> {
    if (m.id == wm::kTimer) ticks.push_back(d.now());
    return 0;
  };
  const WindowId w = make_window(p, probe, "P", "p");
  p.set_timer(w, 1, 300);
  d.advance(700);
  EXPECT_EQ(ticks, (std::vector<std::uint64_t>{300, 600}));
  p.set_timer(w, 1, 300);  // restarting resets the period from now (700)
  d.advance(350);
  EXPECT_EQ(ticks.back(), 1000u);
  p.post_message(w, command_message(5, 0));
  p.sleep(2000);  // nothing runs meanwhile
  EXPECT_EQ(d.queued(), 1u);
  EXPECT_EQ(ticks.size(), 3u);
  d.advance(0);  // the due tick comes once, not once per missed period
  EXPECT_EQ(ticks.size(), 4u);
  EXPECT_TRUE(p.kill_timer(w, 1));
  d.advance(5000);
  EXPECT_EQ(ticks.size(), 4u);
}

TEST(SimDesktop, ProgramsStartAfterTheStarterAndEndWithTheirQuit) {
  Desktop d;
  Process& starter = d.add_process("starter");
  Probe probe;
  struct Tv final : Program {
    Process& p;
    Probe& probe;
    Tv(Process& process, Probe& pr) : p(process), probe(pr) {}
    void start() override { make_window(p, probe, "Zentavio Hovra", "Tv"); }
  };
  Process* started = nullptr;
  d.register_program("VIDEO.EX_", [&](Process& p, const LaunchInfo& launch) {
    started = &p;
    EXPECT_EQ(launch.show, Show::kHide);
    return std::make_unique<Tv>(p, probe);
  });
  EXPECT_EQ(starter.win_exec("C:\\Program Files\\ZEL\\nothing.exe", Show::kShow), 2u);
  EXPECT_EQ(starter.win_exec("\"C:\\Program Files\\ZEL\\video.ex_\"", Show::kHide), 33u);
  EXPECT_FALSE(d.find("Zentavio Hovra", "Tv")) << "started before the starter went on";
  d.pump();
  const WindowId tv = d.find("zentavio hovra", "TV");
  ASSERT_TRUE(tv);
  ASSERT_NE(started, nullptr);
  started->post_quit(3);
  d.pump();
  EXPECT_EQ(started->exit_code(), 3);
  EXPECT_FALSE(d.find("Zentavio Hovra", "Tv"));
  EXPECT_FALSE(d.window(tv)->alive);
}

TEST(SimDesktop, HotKeysMessageBoxesAndPower) {
  Desktop d;
  Process& p = d.add_process("p");
  Process& q = d.add_process("q");
  Probe probe;
  std::vector<std::uintptr_t> hot;
  probe.on = [&](WindowId, const Message& m) -> std::optional<std::intptr_t> {
    if (m.id == wm::kHotKey) hot.push_back(m.wparam);
    return 0;
  };
  const WindowId w = make_window(p, probe, "P", "p");
  EXPECT_TRUE(p.register_hot_key(w, 0, 3, 115));
  EXPECT_FALSE(q.register_hot_key(w, 1, 3, 115)) << "a combination has one owner";
  EXPECT_FALSE(d.press_hot_key(3, 116));
  EXPECT_TRUE(d.press_hot_key(3, 115));
  d.pump();
  EXPECT_EQ(hot, (std::vector<std::uintptr_t>{0}));

  d.script_answers({Answer::kNo});
  EXPECT_EQ(p.show_message_box({kNoWindow, "Scan now?", std::string("ZEL"), mb::kYesNo}), Answer::kNo);
  EXPECT_EQ(p.show_message_box({w, "Done", std::nullopt, mb::kOk}), Answer::kOk);
  ASSERT_EQ(d.message_boxes().size(), 2u);
  EXPECT_EQ(d.message_boxes()[1].owner, "p");
  EXPECT_FALSE(d.message_boxes()[1].caption.has_value());

  EXPECT_EQ(p.get_active(PowerFeature::kLowPower), 1);
  p.set_active(PowerFeature::kLowPower, 0);
  EXPECT_EQ(d.power(PowerFeature::kLowPower), 0);
  EXPECT_EQ(calls_starting_with(p.calls(), {"SystemParametersInfo"}),
            (std::vector<std::string>{"SystemParametersInfo(83) = 1", "SystemParametersInfo(85, 0, 3)"}));
}

TEST(CallDiff, MarksMissingAndUnexpectedLines) {
  EXPECT_EQ(diff_calls({"a", "b", "c"}, {"a", "b", "c"}), "");
  EXPECT_EQ(diff_calls({"a", "b", "c"}, {"a", "x", "c"}), "  a\n+ x\n- b\n  c\n");
}

}  // namespace
}  // namespace zel::platform::sim
