// gemwright-report: the plan an item set gives, without a window. Links the core only.
#include <iostream>
#include <string>
#include <vector>

#include "app/program_folder.h"
#include "report/run_report.h"

int main(int argc, char* argv[]) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return gw::report::RunReport(args, gw::ProgramFolder(argc > 0 ? argv[0] : nullptr), std::cout,
                               std::cerr);
}
