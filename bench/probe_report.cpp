#include "probe_report.h"

#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace gw::bench {

namespace {

int64_t Now(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The process start on CLOCK_BOOTTIME, from field 22 of /proc/self/stat (clock ticks since
// boot); -1 if it cannot be read.
int64_t ProcessStartBootTime() {
  std::ifstream in("/proc/self/stat");
  std::string stat;
  std::getline(in, stat);
  // The command name (field 2) may hold spaces; the fields after it follow its closing ")".
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(stat.substr(close + 1));
  std::string field;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
    if (number == 22) {
      const long ticks_per_second = sysconf(_SC_CLK_TCK);
      return std::stoll(field) * (1'000'000'000 / ticks_per_second);
    }
  }
  return -1;
}

struct Reference {
  clockid_t clock = CLOCK_MONOTONIC;
  int64_t start_ns = 0;
  const char* name = "spawn";
};

const Reference& Start() {
  static const Reference reference = [] {
    Reference r;
    if (const char* spawn = std::getenv(kSpawnVariable)) {
      r.start_ns = std::strtoll(spawn, nullptr, 10);
    } else {
      r.clock = CLOCK_BOOTTIME;
      r.start_ns = ProcessStartBootTime();
      r.name = "process_start";
    }
    return r;
  }();
  return reference;
}

double SinceStartMs() {
  const Reference& start = Start();
  return static_cast<double>(Now(start.clock) - start.start_ns) / 1e6;
}

// The CPU time of the whole process, every thread included, in milliseconds.
double CpuMs() {
  return static_cast<double>(Now(CLOCK_PROCESS_CPUTIME_ID)) / 1e6;
}

struct MarkRecord {
  std::string name;
  double ms = 0;
  long resident_kb = 0;
  double cpu_ms = 0;
};

std::vector<MarkRecord>& Marks() {
  static std::vector<MarkRecord> marks;
  return marks;
}

// The resident memory now, from /proc/self/statm (cheaper to read than status); -1 if unknown.
long ResidentKb() {
  std::ifstream in("/proc/self/statm");
  long size = 0, resident = -1;
  in >> size >> resident;
  return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

long PeakResidentKb() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

void Report() {
  const double first_paint = SinceStartMs();
  const double cpu = CpuMs();
  CALLGRIND_DUMP_STATS_AT("from the application's creation to the end of the first paint");
  const long peak = PeakResidentKb();
  std::printf("first_paint_ms %.3f\ncpu_ms %.3f\npeak_rss_kb %ld\nsince %s\n", first_paint, cpu,
              peak, Start().name);
  for (const MarkRecord& mark : Marks())
    std::printf("mark %s %.3f %ld %.3f\n", mark.name.c_str(), mark.ms, mark.resident_kb,
                mark.cpu_ms);
  std::fflush(stdout);
  QCoreApplication::exit(0);
}

// Sees every event of the application; the first paint event of a main window starts the report,
// which runs once the paint and its flush are done.
class FirstPaintWatch : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (seen_paint_ || qobject_cast<QMainWindow*>(watched) == nullptr) return false;
    // The first event a main window gets comes right after its construction: in the program,
    // once start-up has read the data files.
    if (!seen_event_) {
      seen_event_ = true;
      Mark("main_window_first_event");
    }
    if (event->type() == QEvent::Show) Mark("main_window_shown");
    if (event->type() == QEvent::Paint) {
      seen_paint_ = true;
      Mark("first_paint_begins");
      QTimer::singleShot(0, this, &Report);
    }
    return false;
  }

 private:
  bool seen_event_ = false;
  bool seen_paint_ = false;
};

}  // namespace

void Mark(const char* name) {
  const double ms = SinceStartMs();
  Marks().push_back({name, ms, ResidentKb(), CpuMs()});
}

void ReportAfterFirstPaint() {
  CALLGRIND_ZERO_STATS;
  QCoreApplication::instance()->installEventFilter(
      new FirstPaintWatch(QCoreApplication::instance()));
}

}  // namespace gw::bench
