#include "host/commands/ParameterAssignment.h"

#include <charconv>
#include <vector>

#include "com/TextRules.h"
#include "host/session/ProjectFile.h"

namespace host {

namespace {

std::optional<int> PositiveNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || value < 1)
    return std::nullopt;
  return value;
}

std::vector<std::string> Fields(const std::string& name) {
  std::vector<std::string> fields(1);
  for (char c : name) {
    if (c == '/' || c == '\\')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

}  // namespace

std::optional<ParameterAssignment> ParseAssignment(const std::string& word, std::string& error) {
  size_t equals = word.find('=');
  if (equals == std::string::npos || equals == 0) {
    error = "expected NAME=VALUE, got \"" + word + "\"";
    return std::nullopt;
  }
  ParameterAssignment a;
  a.text = word.substr(0, equals);
  a.value = word.substr(equals + 1);
  if (a.value.empty()) {
    error = a.text + ": the value is empty";
    return std::nullopt;
  }
  if (a.value.find('=') != std::string::npos) {
    error = word + ": a value cannot hold \"=\"";
    return std::nullopt;
  }
  if (std::string problem = UnwritableText(a.value); !problem.empty()) {
    error = a.text + ": " + problem;
    return std::nullopt;
  }
  auto named = ParseParameterName(a.text, error);
  if (named) named->value = a.value;
  return named;
}

std::optional<ParameterAssignment> ParseParameterName(const std::string& name, std::string& error) {
  ParameterAssignment a;
  a.text = name;
  std::vector<std::string> fields = Fields(a.text);
  if (fields.size() == 1) {
    a.name = a.text;
    return a;
  }
  if (fields.size() != 4) {
    error = a.text +
            ": a channel parameter is written MODULE/KIND/POSITION/NAME, e.g. EB1/AI/2/sensortype";
    return std::nullopt;
  }
  a.channel = true;
  auto module = qcom::text::Upper(fields[0]).rfind("EB", 0) == 0
                    ? PositiveNumber(std::string_view(fields[0]).substr(2))
                    : std::nullopt;
  a.kind = qcom::text::Upper(fields[1]);
  auto position = PositiveNumber(fields[2]);
  a.name = fields[3];
  if (!module) {
    error = a.text + ": the module is written EB1, EB2, ...";
  } else if (a.kind != "AI" && a.kind != "AO" && a.kind != "DI" && a.kind != "DO") {
    error = a.text + ": the channel kind is AI, AO, DI or DO";
  } else if (!position) {
    error = a.text + ": the channel position is a number from 1";
  } else if (a.name.empty()) {
    error = a.text + ": the parameter name is missing";
  } else {
    a.moduleNumber = *module;
    a.position = *position;
    return a;
  }
  return std::nullopt;
}

bool SameParameter(const ParameterAssignment& a, const ParameterAssignment& b) {
  return a.channel == b.channel && a.moduleNumber == b.moduleNumber && a.kind == b.kind &&
         a.position == b.position && qcom::text::EqualsNoCase(a.name, b.name);
}

}  // namespace host
