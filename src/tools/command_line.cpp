#include "tools/command_line.h"

#include <algorithm>
#include <charconv>

#include "figures/number_text.h"

namespace tova {

std::optional<std::string> SplitCommandLine(const std::vector<std::string>& arguments,
                                            std::initializer_list<std::string_view> flags, CommandLine& line) {
  bool optionsEnd = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnd || argument.empty() || argument[0] != '-' || argument == "-") {
      line.files.push_back(argument);
      continue;
    }
    const std::size_t equals = argument.find('=');
    CommandLine::Option option{argument.substr(0, equals), std::nullopt};
    const bool flag = option.name == "--" || option.name == "--help" || option.name == "-h" ||
                      std::find(flags.begin(), flags.end(), option.name) != flags.end();
    if (flag && equals != std::string::npos) return option.name + " takes no value";
    if (equals != std::string::npos) {
      option.value = argument.substr(equals + 1);
    } else if (!flag && i + 1 < arguments.size()) {
      option.value = arguments[++i];
    }
    if (option.name == "--") optionsEnd = true;
    else line.options.push_back(std::move(option));
  }
  return std::nullopt;
}

std::optional<std::string> ReadTolerance(const std::optional<std::string>& value, double highest, double& tolerance) {
  double px = -1;
  if (value) {
    const char* end = value->data() + value->size();
    const auto [at, error] = std::from_chars(value->data(), end, px);
    if (error != std::errc() || at != end) px = -1;
  }
  if (!(px >= 0 && px <= highest)) {
    return "--tolerance wants a number of pixels from 0 to " + NumberText(highest) +
           (value ? ", not '" + *value + "'" : std::string());
  }
  tolerance = px;
  return std::nullopt;
}

}  // namespace tova
