#include "qt/event_gate.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "common/error.h"

namespace gw::qt {

EventGate::EventGate(ErrorPresenter present, Terminator terminate)
    : present_(std::move(present)), terminate_(std::move(terminate)) {}

void EventGate::Run(const std::function<void()>& call) {
  if (terminated_) return;
  try {
    call();
  } catch (const RuntimeError& e) {
    Fail(e);
    return;
  } catch (const std::exception& e) {
    Fail(std::string("Internal error\n\n") + e.what());
    return;
  }
  FlushViews();
}

void EventGate::Fail(const RuntimeError& error) {
  Fail(std::string(KindName(error.kind())) + "\n\n" + error.detail());
}

void EventGate::Fail(const std::string& text) {
  terminated_ = true;
  if (present_) present_(kTitle, text);
  if (terminate_) terminate_(1);
}

void EventGate::Attach(Flushable* view) {
  views_.push_back(view);
}

void EventGate::Detach(Flushable* view) {
  views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void EventGate::FlushViews() {
  // A copy: flushing may build widgets, never views, but stay safe against either.
  const std::vector<Flushable*> views = views_;
  for (Flushable* view : views)
    view->Flush();
}

}  // namespace gw::qt
