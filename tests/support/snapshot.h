// The whole visible state of a logical window as text, to prove that something changed nothing.
#pragma once

#include <string>

#include "ui/window.h"

namespace gw::test {

std::string Snapshot(const ui::Window& window);

}  // namespace gw::test
