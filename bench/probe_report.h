// What both start-up probes report: the time from the start of their process to the end of the
// main window's first paint, the CPU time the process spent until then (all its threads), and
// the peak resident memory at that moment. Under callgrind, the instructions from the
// application's creation to the end of the first paint are dumped as a part of their own.
#pragma once

namespace gw::bench {

// The parent passes the CLOCK_MONOTONIC time at which it spawned the probe, in nanoseconds, in
// this environment variable. Without it the process start time from /proc is the reference,
// which the kernel keeps in clock ticks (10 ms at the usual 100 ticks a second).
inline constexpr const char* kSpawnVariable = "GW_SPAWN_NS";

// Notes a moment of the start-up under `name`; the report lists them, timed like the paint, with
// the resident memory and the CPU time spent at that moment.
void Mark(const char* name);

// Call right after the application's creation and before the main window is shown. When the
// first paint of a main window has completed (the paint event and its flush to the screen),
// prints the report to stdout and leaves the event loop with status 0. The report is one fact a
// line:
//   first_paint_ms <milliseconds since the start>
//   cpu_ms <CPU milliseconds of the process until then>
//   peak_rss_kb <VmHWM>
//   since spawn|process_start
//   mark <name> <milliseconds since the start> <resident kB then> <CPU milliseconds then>
// Under callgrind the counts start afresh here and are dumped when the report is printed, so
// the dump ending in ".1" holds exactly the span from the application's creation to the end of
// the first paint.
void ReportAfterFirstPaint();

}  // namespace gw::bench
