#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// Command-line arguments of one tqhost command: options with values, flags,
// and positional words, checked against what the command accepts.
namespace host {

class Arguments {
 public:
  // valueOptions take the next word ("--type NAME" or "--type=NAME"); flags take
  // none; "-h" stands for "--help" when that is a flag. Words after "--" are
  // positional even when they start with "-".
  Arguments(const std::string& command, const std::vector<std::string>& words,
            const std::vector<std::string>& valueOptions, const std::vector<std::string>& flags);

  bool ok() const { return error_.empty(); }
  // What is wrong, as one line that also says where to look (the command's
  // help, or the option the word most likely meant).
  const std::string& error() const { return error_; }
  bool has(const std::string& flag) const;
  std::optional<std::string> value(const std::string& option) const;
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  std::map<std::string, std::vector<std::string>> values_;
  std::vector<std::string> positional_;
  std::string error_;
};

// An object's number as --object takes it: a whole number from 1, nothing else.
std::optional<size_t> ParseObjectNumber(const std::string& text);

}  // namespace host
