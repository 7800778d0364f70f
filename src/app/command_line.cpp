#include "app/command_line.h"

#include <algorithm>

namespace gw {

namespace {

CommandLine UsageError(std::string error) {
  CommandLine line;
  line.action = CommandAction::UsageError;
  line.error = std::move(error);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::vector<std::string>& value_options) {
  CommandLine line;
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg == "-" || arg.empty() || arg[0] != '-') {
      line.files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    // --help and --version answer at once, whatever follows them.
    if (arg == "--help" || arg == "-h") {
      line.action = CommandAction::Help;
      return line;
    }
    if (arg == "--version") {
      line.action = CommandAction::Version;
      return line;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (std::find(value_options.begin(), value_options.end(), name) == value_options.end()) {
      return UsageError("unknown option '" + name + "'");
    }
    if (equals != std::string::npos) {
      line.values[name] = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      line.values[name] = args[++i];
    } else {
      return UsageError("option '" + name + "' needs a value");
    }
  }
  if (line.files.size() > 1) return UsageError("only one FILE may be given");
  return line;
}

}  // namespace gw
