#include "values/SnvtReading.h"

namespace values {

void SnvtReading::Set(std::string SnvtFields::*field, std::string value) {
  steps_.push_back({Step::Kind::kText, field, nullptr, std::move(value), 0});
}

void SnvtReading::Set(int32_t SnvtFields::*field, int32_t value) {
  steps_.push_back({Step::Kind::kNumber, nullptr, field, {}, value});
}

void SnvtReading::Report(std::string problem) {
  steps_.push_back({Step::Kind::kProblem, nullptr, nullptr, std::move(problem), 0});
}

void SnvtReading::ReportWithoutLength(std::string problem) {
  steps_.push_back({Step::Kind::kProblemWithoutLength, nullptr, nullptr, std::move(problem), 0});
}

std::vector<std::string> SnvtReading::ApplyTo(SnvtFields& fields) const {
  std::vector<std::string> problems;
  for (const Step& step : steps_) {
    switch (step.kind) {
      case Step::Kind::kText:
        fields.*step.textField = step.text;
        break;
      case Step::Kind::kNumber:
        fields.*step.numberField = step.number;
        break;
      case Step::Kind::kProblem:
        problems.push_back(step.text);
        break;
      case Step::Kind::kProblemWithoutLength:
        if (fields.length == 0) problems.push_back(step.text);
        break;
    }
  }
  return problems;
}

}  // namespace values
