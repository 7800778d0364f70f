// gemwright-report: the plan an item set gives, without a window. Links the core only.
#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program_folder.h"
#include "report/run_report.h"

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  // A standard descriptor that was closed is taken (lowest first, as open() hands them out), so
  // that no file the program opens becomes standard output: writing the report there then fails
  // as it should.
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (fcntl(fd, F_GETFD) == -1 && open("/dev/null", O_RDONLY) != fd)
      return gw::report::kOutputFailed;
  }
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  // The report is written whole at the end, where a failed write can still change the status;
  // the messages follow it, as they would on a terminal.
  std::ostringstream out, err;
  const int status =
      gw::report::RunReport(args, gw::ProgramFolder(argc > 0 ? argv[0] : nullptr), out, err);
  if (!gw::report::WriteOutput(STDOUT_FILENO, out.str(), std::cerr))
    return gw::report::kOutputFailed;
  std::cerr << err.str() << std::flush;
  return status;
}
