#include "host/commands/Arguments.h"

#include <algorithm>
#include <charconv>

#include "host/output/NearestName.h"

namespace host {

Arguments::Arguments(const std::string& command, const std::vector<std::string>& words,
                     const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flags) {
  auto takesValue = [&](const std::string& o) {
    return std::find(valueOptions.begin(), valueOptions.end(), o) != valueOptions.end();
  };
  auto isFlag = [&](const std::string& o) {
    return std::find(flags.begin(), flags.end(), o) != flags.end();
  };
  const std::string seeHelp = " (see tqhost " + command + " --help)";
  bool optionsEnded = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (optionsEnded || w.size() < 2 || w[0] != '-') {
      positional_.push_back(w);
      continue;
    }
    if (w == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = w == "-h" && isFlag("--help") ? "--help" : w, inlineValue;
    bool hasInline = false;
    if (size_t eq = w.find('='); eq != std::string::npos && w.rfind("--", 0) == 0) {
      name = w.substr(0, eq);
      inlineValue = w.substr(eq + 1);
      hasInline = true;
    }
    if (takesValue(name)) {
      if (hasInline) {
        values_[name].push_back(inlineValue);
      } else if (i + 1 < words.size()) {
        values_[name].push_back(words[++i]);
      } else {
        error_ = "option " + name + " needs a value" + seeHelp;
        return;
      }
    } else if (isFlag(name) && !hasInline) {
      values_[name].push_back("");
    } else {
      std::vector<std::string> known = valueOptions;
      known.insert(known.end(), flags.begin(), flags.end());
      auto meant = NearestName(name, known);
      error_ = "unknown option " + w + (meant ? "; did you mean " + *meant + "?" : seeHelp);
      return;
    }
  }
}

bool Arguments::has(const std::string& flag) const {
  return values_.count(flag) != 0;
}

std::optional<std::string> Arguments::value(const std::string& option) const {
  auto it = values_.find(option);
  if (it == values_.end() || it->second.empty()) return std::nullopt;
  return it->second.back();
}

std::optional<size_t> ParseObjectNumber(const std::string& text) {
  size_t value = 0;
  const char* end = text.data() + text.size();
  auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || value < 1)
    return std::nullopt;
  return value;
}

}  // namespace host
