// The one place where events from Qt enter the model. A run-time error from a handler is shown
// in a message box that names its kind and detail, and ends the program with a non-zero
// status; after every event the views bring their widgets up to date.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace gw {
class RuntimeError;
}

namespace gw::qt {

// A view whose widgets lag behind the model until flushed.
class Flushable {
 public:
  virtual ~Flushable() = default;
  virtual void Flush() = 0;
};

class EventGate {
 public:
  // Shows the fatal message; injected so that tests never block.
  using ErrorPresenter = std::function<void(const std::string& title, const std::string& text)>;
  // Ends the program with the status.
  using Terminator = std::function<void(int status)>;

  EventGate(ErrorPresenter present, Terminator terminate);

  // Runs a model call for one event. After a fatal error nothing runs any more.
  void Run(const std::function<void()>& call);
  bool terminated() const { return terminated_; }
  // Shows a run-time error that arrived outside an event (start-up) and ends the program.
  void Fail(const RuntimeError& error);

  void Attach(Flushable* view);
  void Detach(Flushable* view);
  void FlushViews();

  // The title of every fatal message box.
  static constexpr const char* kTitle = "Gemwright Workshop";

 private:
  void Fail(const std::string& text);

  ErrorPresenter present_;
  Terminator terminate_;
  std::vector<Flushable*> views_;
  bool terminated_ = false;
};

}  // namespace gw::qt
