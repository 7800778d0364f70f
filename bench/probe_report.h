// What both start-up probes report: the time from the start of their process to the end of the
// main window's first paint, and the peak resident memory at that moment.
#pragma once

namespace gw::bench {

// The parent passes the CLOCK_MONOTONIC time at which it spawned the probe, in nanoseconds, in
// this environment variable. Without it the process start time from /proc is the reference,
// which the kernel keeps in clock ticks (10 ms at the usual 100 ticks a second).
inline constexpr const char* kSpawnVariable = "GW_SPAWN_NS";

// Notes a moment of the start-up under `name`; the report lists them, timed like the paint, with
// the resident memory at that moment.
void Mark(const char* name);

// Call once the application exists and before the main window is shown. When the first paint of
// a main window has completed (the paint event and its flush to the screen), prints the report
// to stdout and leaves the event loop with status 0. The report is one fact a line:
//   first_paint_ms <milliseconds since the start>
//   peak_rss_kb <VmHWM>
//   since spawn|process_start
//   mark <name> <milliseconds since the start> <resident kB then>
void ReportAfterFirstPaint();

}  // namespace gw::bench
