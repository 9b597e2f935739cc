// The command lines of tova-check and tova-exercise: a value follows its option as the next
// argument or after an equals sign, "--" ends the options, and every other argument is a file.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tova {

struct CommandLine {
  struct Option {
    std::string name;                  // "--tolerance", "-o"
    std::optional<std::string> value;  // none for a flag, and for an option last on the line
  };
  std::vector<Option> options;  // in the order given
  std::vector<std::string> files;
};

// Splits `arguments` into options and files; `flags` (with "--help" and "-h") take no value, any
// other option the argument after it. Nothing, or what is wrong: a flag given a value.
[[nodiscard]] std::optional<std::string> SplitCommandLine(const std::vector<std::string>& arguments,
                                                          std::initializer_list<std::string_view> flags,
                                                          CommandLine& line);

// Reads --tolerance's value into `tolerance`: a number of pixels from 0 to `highest`. Nothing, or
// the message.
[[nodiscard]] std::optional<std::string> ReadTolerance(const std::optional<std::string>& value, double highest,
                                                       double& tolerance);

}  // namespace tova
