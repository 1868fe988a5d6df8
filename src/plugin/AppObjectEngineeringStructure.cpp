// The engineering interface's structure: modules placed and removed through
// the module set, as the editor's commands do, and the connection points with
// their channels and types.
#include "com/Boundary.h"
#include "com/OutParam.h"
#include "plugin/CDBAppObject.h"
#include "plugin/EngineeringAnswers.h"
#include "values/SnvtCatalogue.h"

namespace {

// The channel's key as a parameter path begins: "EB2\DI\1" is "EB2/DI/1".
std::string ChannelPathOf(IChannelLink* channel) {
  std::string path = channel ? channel->LinkGlobalKey() : std::string();
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

template <class Point>
plugin::PointFacts FactsOf(const char* direction, const Point& point) {
  plugin::PointFacts facts;
  facts.direction = direction;
  facts.name = point.NameText();
  facts.globalKey = point.GlobalKeyText();
  facts.channel = ChannelPathOf(point.Channel());
  return facts;
}

// The catalogue's names and units of the types, "," between them.
void DescribeTypes(const std::vector<std::string>& ids, plugin::PointFacts& facts) {
  for (size_t i = 0; i < ids.size(); ++i) {
    const char* between = i ? "," : "";
    facts.snvtIds += between + ids[i];
    facts.snvtNames += between;
    facts.units += between;
    if (values::CatalogueEntries(ids[i]) == 0) continue;
    const values::SnvtFields& fields = *values::CatalogueRecord(ids[i])->fields;
    facts.snvtNames += fields.name;
    facts.units += fields.units;
  }
}

}  // namespace

HRESULT CDBAppObject::AddModule(BSTR templateId, BSTR* key) {
  if (!key) return E_POINTER;
  *key = nullptr;
  return qcom::Guarded([&] {
    if (!modules_) return qcom::ReturnText("", key);
    qcom::ComPtr<CDBEBModule> entry =
        templates_ ? templates_->Items().ByKey(qcom::BstrToUtf8(templateId)) : nullptr;
    // A template the tree does not allow here is not handed over: the module
    // set then says, as the editor shows it, that the module cannot be added.
    if (entry && (!entry->IsAddable() || ChainLeftTree())) entry = nullptr;
    auto module = modules_->AddModule(entry.get());
    return qcom::ReturnText(module ? module->Key() : std::string(), key);
  });
}

HRESULT CDBAppObject::RemoveModule(BSTR* refusal) {
  if (!refusal) return E_POINTER;
  *refusal = nullptr;
  return qcom::Guarded([&] {
    const size_t count = modules_ ? modules_->Count() : 0;
    auto module = count ? modules_->Item(std::to_string(count)) : nullptr;
    if (!module) return qcom::ReturnText("no module is placed", refusal);
    std::string why = module->RemovalRefusal();
    if (why.empty()) modules_->RemoveModule(module.get());
    return qcom::ReturnText(why, refusal);
  });
}

HRESULT CDBAppObject::get_Points(IEngineeringList** points) {
  if (!points) return E_POINTER;
  *points = nullptr;
  return qcom::Guarded([&] {
    auto list = qcom::Make<plugin::EngineeringList>();
    if (inputs_)
      for (const auto& entry : inputs_->Items()) {
        const CDBInput& input = *entry.item;
        plugin::PointFacts facts = FactsOf("input", input);
        std::vector<std::string> ids;
        for (const auto& type : input.Compatibles().Items()) ids.push_back(type.item->Id());
        DescribeTypes(ids, facts);
        facts.width = input.IsExtended() ? 3 : 2;
        list->AddObject(input.GlobalKeyText(), plugin::MakePointAnswer(std::move(facts)));
      }
    if (outputs_)
      for (const auto& entry : outputs_->Items()) {
        const CDBOutput& output = *entry.item;
        plugin::PointFacts facts = FactsOf("output", output);
        DescribeTypes({output.SnvtId()}, facts);
        list->AddObject(output.GlobalKeyText(), plugin::MakePointAnswer(std::move(facts)));
      }
    return qcom::ReturnObject<IEngineeringList>(list, points);
  });
}
