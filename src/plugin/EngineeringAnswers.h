#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "com/ComObject.h"
#include "com/Variant.h"
#include "faces/Engineering.h"
#include "plugin/StreamWriter.h"
#include "values/FieldText.h"
#include "values/ParameterDefinition.h"

// The snapshots the engineering interface answers with: plain records behind
// the interfaces of faces/Engineering.h, each owned by the caller alone.
namespace plugin {

// An ordered list of answers, keyed (keys may repeat: Item finds the first).
class EngineeringList final : public qcom::ComObject<IEngineeringList> {
 public:
  void Add(std::string key, qcom::Variant item);
  template <class I>
  void AddObject(std::string key, const qcom::ComPtr<I>& item) {
    Add(std::move(key), qcom::Variant(static_cast<IDispatch*>(item.get())));
  }
  size_t Count() const { return items_.size(); }

  HRESULT get_Count(LONG* count) override;
  HRESULT get_Item(VARIANT key, VARIANT* item) override;
  HRESULT get_Key(LONG position, BSTR* key) override;
  HRESULT get__NewEnum(IUnknown** enumerator) override;

 private:
  ~EngineeringList() override = default;
  const qcom::Variant* Find(const VARIANT& key) const;

  std::vector<std::pair<std::string, qcom::Variant>> items_;
  std::unordered_map<std::string, size_t> positions_;  // upper-cased key -> first position
};

// What the interface tells of one parameter: its definition, which never
// changes once read, and what is its own. The texts are made when asked for.
struct ParameterFacts {
  std::shared_ptr<const values::ParameterDefinition> definition;
  std::string path, name, channelKind;
  std::string value;  // as stored
  // The value check of the value in SI units.
  std::string refusal;
  int32_t typeEntries = 0;  // catalogue entries of the type when the answer was made
};

// The facts of a parameter of that definition holding value.
ParameterFacts FactsOf(std::shared_ptr<const values::ParameterDefinition> definition,
                       std::string path, std::string name, std::string channelKind,
                       std::string value, std::string refusal);

qcom::ComPtr<IEngineeringParameter> MakeParameterAnswer(ParameterFacts facts);

qcom::ComPtr<IStreamExplanation> MakeStreamExplanation(std::string stream,
                                                       std::vector<StreamField> fields);

struct ValueCheckFacts {
  std::string path, text, stored, refusal;
  bool written = false;
};
qcom::ComPtr<IValueCheck> MakeValueCheckAnswer(ValueCheckFacts facts);

struct ModuleTemplateFacts {
  std::string id, name, description;
  int32_t aiCount = 0, aoCount = 0, diCount = 0, doCount = 0, counterCount = 0;
  int32_t targetSlot = 0;
  std::string tag;
  std::vector<ParameterFacts> parameters;
};
qcom::ComPtr<IModuleTemplate> MakeTemplateAnswer(ModuleTemplateFacts facts);

struct SnvtUseFacts {
  std::string id, name, kind;
  int32_t entries = 0;
  bool inDefinition = false;
};
qcom::ComPtr<ISnvtUse> MakeSnvtUseAnswer(SnvtUseFacts facts);

struct PointFacts {
  std::string direction, name, globalKey, channel, snvtIds, snvtNames, units;
  int32_t width = 2;
};
qcom::ComPtr<IEngineeringPoint> MakePointAnswer(PointFacts facts);

}  // namespace plugin
