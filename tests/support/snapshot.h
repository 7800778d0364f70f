// The whole visible state of a logical window as text, to prove that something changed nothing.
#pragma once

#include <string>

#include "ui/window.h"

namespace gw::test {

std::string Snapshot(const ui::Window& window);

// The lines in which two snapshots differ, "before -> after", for a readable failure.
std::string SnapshotDiff(const std::string& before, const std::string& after);

}  // namespace gw::test
