#include "qt/event_gate.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/error.h"

namespace gw::qt {
namespace {

struct CountingView : Flushable {
  void Flush() override { ++flushes; }
  int flushes = 0;
};

TEST(EventGate, ARunTimeErrorIsShownByKindAndDetailAndEndsTheProgram) {
  std::vector<std::string> shown;
  std::vector<int> statuses;
  EventGate gate([&](const std::string& title,
                     const std::string& text) { shown.push_back(title + "|" + text); },
                 [&](int status) { statuses.push_back(status); });
  CountingView view;
  gate.Attach(&view);
  gate.Run([] {});
  EXPECT_EQ(view.flushes, 1);
  gate.Run([] {
    throw RuntimeError(ErrorKind::IndexOutOfRange, "GemIdList: index 54 is outside 1..53");
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0],
            "Gemwright Workshop|Index out of range\n\nGemIdList: index 54 is outside 1..53");
  EXPECT_EQ(statuses, std::vector<int>{1});
  EXPECT_TRUE(gate.terminated());
  bool ran = false;
  gate.Run([&] { ran = true; });  // nothing runs after a fatal error
  EXPECT_FALSE(ran);
  gate.Detach(&view);
}

TEST(EventGate, OtherExceptionsEndTheProgramToo) {
  std::string text;
  int status = 0;
  EventGate gate([&](const std::string&, const std::string& t) { text = t; },
                 [&](int s) { status = s; });
  gate.Run([] { throw std::logic_error("broken"); });
  EXPECT_EQ(text, "Internal error\n\nbroken");
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace gw::qt
