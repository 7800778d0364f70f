// The command lines of both programs, read without Qt so that --help, --version and usage
// errors are answered before anything needs a display.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace gw {

enum class CommandAction { Run, Help, Version, UsageError };

struct CommandLine {
  CommandAction action = CommandAction::Run;
  std::string error;                          // what was wrong, for UsageError
  std::vector<std::string> files;             // the FILE arguments, in order
  std::map<std::string, std::string> values;  // "--data" -> its value
};

// Reads `args` (without the program name). `value_options` take a value, as "--data DIR" or
// "--data=DIR"; "--help" and "--version" are always known; "--" ends the options; a lone "-" is a
// file name. More than one file, an unknown option or a missing value is a usage error.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::vector<std::string>& value_options);

}  // namespace gw
