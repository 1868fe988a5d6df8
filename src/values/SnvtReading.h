#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace values {

// What a type object knows of its network variable type.
struct SnvtFields {
  std::string id;
  std::string name;
  std::string genType;
  std::string luiType;
  std::string enumDesc;
  std::string units;
  // In display form (the user's decimal separator at the time of reading).
  std::string invalidValue, min, max;
  int32_t length = 0;
  int32_t aCoef = 0, bCoef = 0, cCoef = 0;
  int32_t factor = 0;
  int32_t r5Region = 0;
};

// What reading one catalogue entry does to a type object, step by step: the
// fields the entry supplies (the others keep what the object had) and the
// problems it reports. Kept, it lets a project that loads the same few types
// thousands of times read each entry once and replay it.
class SnvtReading {
 public:
  void Set(std::string SnvtFields::*field, std::string value);
  void Set(int32_t SnvtFields::*field, int32_t value);
  void Report(std::string problem);
  // Reported only when the object's length is 0 at this step.
  void ReportWithoutLength(std::string problem);

  // Does the steps to fields; the problems to show, in order.
  std::vector<std::string> ApplyTo(SnvtFields& fields) const;

 private:
  struct Step {
    enum class Kind { kText, kNumber, kProblem, kProblemWithoutLength } kind;
    std::string SnvtFields::*textField = nullptr;
    int32_t SnvtFields::*numberField = nullptr;
    std::string text;
    int32_t number = 0;
  };
  std::vector<Step> steps_;
};

// A reading applied to a new type object: the record every such object shares,
// and the problems each load shows.
struct SnvtRecord {
  std::shared_ptr<const SnvtFields> fields;
  std::vector<std::string> problems;
};

// Readings already made from one state of the catalogue under one decimal
// separator.
struct SnvtReadingCache {
  uint64_t catalogueStamp = 0;
  std::string separator;
  // Counts the times the readings were dropped.
  uint64_t generation = 0;
  std::unordered_map<std::string, SnvtReading> byId;
  std::unordered_map<std::string, std::shared_ptr<const SnvtRecord>> recordsById;
  // How many entries define each SNVT number; counted when first asked for.
  std::shared_ptr<std::unordered_map<std::string, int32_t>> entryCounts;
};

}  // namespace values
