#include "plugin/AddableChoices.h"

#include <map>
#include <utility>

#include "com/TextRules.h"
#include "values/NumberRules.h"
#include "xml/Elements.h"

namespace plugin {
namespace {

// The value of the first attribute whose name is upperName in upper case.
std::string AttributeText(const std::vector<qxml::Field>& attributes, const char* upperName) {
  for (const auto& attribute : attributes)
    if (qcom::text::Upper(attribute.name) == upperName) return attribute.text.value_or("");
  return {};
}

AddableChoices Read(IXMLDOMDocument* definition, const std::string& path) {
  AddableChoices read;
  auto node = qxml::FirstMatch(definition, path);
  read.found = static_cast<bool>(node);
  for (const auto& slotElement : qxml::Children(node.get())) {
    std::string slotName = qxml::UpperBaseName(slotElement.get());
    if (slotName.rfind("SLOT", 0) != 0) continue;
    auto slot = values::RoundToInt32(values::PlainParse(slotName.substr(4)));
    if (!slot) continue;
    for (const auto& templateElement : qxml::Children(slotElement.get())) {
      const auto attributes = qxml::AttributeFields(templateElement.get());
      read.choices.push_back({qxml::BaseName(templateElement.get()), *slot,
                              AttributeText(attributes, "TQIOMAP") +
                                  AttributeText(attributes, "TQIOTYP") +
                                  AttributeText(attributes, "TQIOMOD")});
    }
  }
  return read;
}

}  // namespace

const AddableChoices& ChoicesAt(IXMLDOMDocument* definition, const std::string& path) {
  static std::map<std::pair<uint64_t, std::string>, AddableChoices> kept;
  static AddableChoices fresh;
  const uint64_t stamp = qxml::ContentStamp(definition);
  if (stamp == 0) return fresh = Read(definition, path);
  // Stamps of other states never come back; let them go now and then.
  if (kept.size() > 4096) kept.clear();
  auto key = std::make_pair(stamp, path);
  auto found = kept.find(key);
  if (found == kept.end()) found = kept.emplace(std::move(key), Read(definition, path)).first;
  return found->second;
}

}  // namespace plugin
