#include "ParameterChoices.h"

#include <map>

namespace bench {

const std::vector<std::string>& ParameterChoices(const std::string& name) {
  // Values in the stored form (engineering units, "." as the separator).
  static const std::map<std::string, std::vector<std::string>> kChoices = {
      // Device parameters.
      {"R5_Address", {"3", "12", "27", "41"}},
      {"Priority", {"1", "2", "3", "5", "6", "7", "8"}},
      {"Powerline_Freq", {"0", "1"}},
      {"Behaviour_OnCommFailure", {"0", "1"}},
      {"MaxTimeBetweenComm", {"30", "120", "300", "42.5"}},
      {"DO_PulseTime", {"0.5", "2", "2.5", "10"}},
      // Analog inputs.
      {"sensortype", {"0", "2", "3", "4", "5"}},
      {"range", {"0", "1"}},
      {"suppression", {"0", "1"}},
      {"square_root", {"0", "1"}},
      {"alarm", {"0", "1"}},
      {"unit_of_measure", {"0", "2", "3"}},
      {"filter_constant", {"5", "10", "0.5", "30"}},
      {"diff_alarm_limit", {"0.5", "2", "5"}},
      {"low_alarm_limit", {"-20", "-10.5", "0"}},
      {"high_alarm_limit", {"80", "100.5", "120"}},
      {"offset", {"1.5", "-2", "10"}},
      {"linear_span", {"50", "250", "1000"}},
      // Analog outputs.
      {"OutputMode", {"1", "2", "3"}},
      // Digital inputs and outputs (the default depends on the template).
      {"ContactType", {"0", "1"}},
      {"PulsesPerCount", {"2", "10", "100", "1000"}},
  };
  static const std::vector<std::string> kNone;
  auto found = kChoices.find(name);
  return found == kChoices.end() ? kNone : found->second;
}

}  // namespace bench
