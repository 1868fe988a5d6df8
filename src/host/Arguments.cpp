#include "host/Arguments.h"

#include <algorithm>

namespace host {

Arguments::Arguments(const std::vector<std::string>& words,
                     const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flags) {
  auto takesValue = [&](const std::string& o) {
    return std::find(valueOptions.begin(), valueOptions.end(), o) != valueOptions.end();
  };
  auto isFlag = [&](const std::string& o) {
    return std::find(flags.begin(), flags.end(), o) != flags.end();
  };
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.size() < 2 || w[0] != '-' || w == "--") {
      positional_.push_back(w);
      continue;
    }
    std::string name = w, inlineValue;
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
        error_ = "option " + name + " needs a value";
        return;
      }
    } else if (isFlag(name) && !hasInline) {
      values_[name].push_back("");
    } else {
      error_ = "unknown option " + w;
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

}  // namespace host
