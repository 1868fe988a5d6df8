#include "plugin/EngineeringAnswers.h"

#include "com/Boundary.h"
#include "com/EnumVariant.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "values/DecimalSeparators.h"
#include "values/NumberRules.h"
#include "values/SnvtCatalogue.h"
#include "values/ValueCheck.h"

namespace plugin {

// ---- the list ----

void EngineeringList::Add(std::string key, qcom::Variant item) {
  positions_.try_emplace(qcom::text::Upper(key), items_.size());
  items_.emplace_back(std::move(key), std::move(item));
}

const qcom::Variant* EngineeringList::Find(const VARIANT& key) const {
  std::optional<int32_t> position;
  if (key.vt == VT_BSTR) {
    const std::string text = qcom::BstrToUtf8(key.bstrVal);
    if (auto found = positions_.find(qcom::text::Upper(text)); found != positions_.end())
      return &items_[found->second].second;
    position = values::RoundToInt32(values::PlainParse(text));
  } else if (key.vt == VT_I2) {
    position = key.iVal;
  } else if (key.vt == VT_I4) {
    position = key.lVal;
  } else if (key.vt == VT_R8) {
    position = values::RoundToInt32(key.dblVal);
  }
  if (!position || *position < 1 || static_cast<size_t>(*position) > items_.size()) return nullptr;
  return &items_[static_cast<size_t>(*position) - 1].second;
}

HRESULT EngineeringList::get_Count(LONG* count) {
  return qcom::ReturnValue(static_cast<LONG>(items_.size()), count);
}

HRESULT EngineeringList::get_Item(VARIANT key, VARIANT* item) {
  if (!item) return E_POINTER;
  VariantInit(item);
  return qcom::Guarded([&] {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(VariantCopyInd(&value, &key))) return S_OK;
    const qcom::Variant* found = Find(value);
    VariantClear(&value);
    return found ? found->CopyTo(item) : S_OK;
  });
}

HRESULT EngineeringList::get_Key(LONG position, BSTR* key) {
  const bool inside = position >= 1 && static_cast<size_t>(position) <= items_.size();
  return qcom::ReturnText(inside ? items_[static_cast<size_t>(position) - 1].first : "", key);
}

HRESULT EngineeringList::get__NewEnum(IUnknown** enumerator) {
  if (!enumerator) return E_POINTER;
  return qcom::Guarded([&] {
    std::vector<qcom::Variant> all;
    all.reserve(items_.size());
    for (const auto& entry : items_) all.push_back(entry.second);
    *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
    return S_OK;
  });
}

namespace {

// ---- the records ----

class ParameterAnswer final : public qcom::ComObject<IEngineeringParameter> {
 public:
  explicit ParameterAnswer(ParameterFacts facts) : f_(std::move(facts)) {}

  HRESULT get_Path(BSTR* v) override { return qcom::ReturnText(f_.path, v); }
  HRESULT get_Name(BSTR* v) override { return qcom::ReturnText(f_.name, v); }
  HRESULT get_ChannelKind(BSTR* v) override { return qcom::ReturnText(f_.channelKind, v); }
  HRESULT get_SnvtId(BSTR* v) override { return qcom::ReturnText(Definition().snvtTypeId, v); }
  HRESULT get_SnvtName(BSTR* v) override { return qcom::ReturnText(Type().name, v); }
  HRESULT get_Kind(BSTR* v) override { return qcom::ReturnText(Type().genType, v); }
  HRESULT get_Unit(BSTR* v) override { return qcom::ReturnText(Type().units, v); }
  HRESULT get_Length(LONG* v) override { return qcom::ReturnValue(Type().length, v); }
  HRESULT get_TypeMin(BSTR* v) override { return Number(Definition().typeMin, v); }
  HRESULT get_TypeMax(BSTR* v) override { return Number(Definition().typeMax, v); }
  HRESULT get_Min(BSTR* v) override { return Number(Definition().ownMin, v); }
  HRESULT get_Max(BSTR* v) override { return Number(Definition().ownMax, v); }
  HRESULT get_Default(BSTR* v) override { return Shown(Definition().defaultValue, v); }
  HRESULT get_Description(BSTR* v) override {
    return qcom::ReturnText(Definition().description, v);
  }
  HRESULT get_Visible(VARIANT_BOOL* v) override {
    return qcom::ReturnBool(Definition().visible, v);
  }
  HRESULT get_Members(IEngineeringList** members) override {
    if (!members) return E_POINTER;
    return qcom::Guarded([&] {
      auto list = qcom::Make<EngineeringList>();
      for (const values::EnumMember& member : values::EnumMembers(Type().enumDesc))
        list->Add(qcom::text::Trim(member.code), qcom::Variant(member.name));
      return qcom::ReturnObject<IEngineeringList>(list, members);
    });
  }
  HRESULT get_Value(BSTR* v) override { return Shown(f_.value, v); }
  HRESULT get_Changed(VARIANT_BOOL* v) override {
    if (!v) return E_POINTER;
    return qcom::Guarded([&] {
      return qcom::ReturnBool(values::DiffersFromDefault(f_.value, Definition().defaultValue), v);
    });
  }
  HRESULT get_Refusal(BSTR* v) override { return qcom::ReturnText(f_.refusal, v); }
  HRESULT get_TypeEntries(LONG* v) override { return qcom::ReturnValue(f_.typeEntries, v); }

 private:
  ~ParameterAnswer() override = default;
  const values::ParameterDefinition& Definition() const { return *f_.definition; }
  const values::SnvtFields& Type() const { return *f_.definition->type; }
  // A number text in the engineering form; a text of a textual type as it is.
  HRESULT Shown(const std::string& text, BSTR* v) const {
    if (Type().genType == "Textual") return qcom::ReturnText(text, v);
    return Number(text, v);
  }
  static HRESULT Number(const std::string& text, BSTR* v) {
    if (!v) return E_POINTER;
    return qcom::Guarded([&] { return qcom::ReturnText(values::WithDecimalPoint(text), v); });
  }

  ParameterFacts f_;
};

class FieldAnswer final : public qcom::ComObject<IStreamField> {
 public:
  explicit FieldAnswer(StreamField field) : f_(std::move(field)) {}

  HRESULT get_Offset(LONG* v) override { return qcom::ReturnValue(f_.offset, v); }
  HRESULT get_Hex(BSTR* v) override { return qcom::ReturnText(f_.hex, v); }
  HRESULT get_Width(LONG* v) override { return qcom::ReturnValue(f_.width, v); }
  HRESULT get_Row(BSTR* v) override { return qcom::ReturnText(f_.row, v); }
  HRESULT get_Kind(BSTR* v) override { return qcom::ReturnText(f_.kind, v); }
  HRESULT get_Name(BSTR* v) override { return qcom::ReturnText(f_.name, v); }
  HRESULT get_Stored(BSTR* v) override { return qcom::ReturnText(f_.stored, v); }
  HRESULT get_ReadBack(BSTR* v) override { return qcom::ReturnText(f_.readBack, v); }
  HRESULT get_Flags(LONG* v) override { return qcom::ReturnValue(f_.flags, v); }
  HRESULT get_Note(BSTR* v) override { return qcom::ReturnText(f_.note, v); }

 private:
  ~FieldAnswer() override = default;
  StreamField f_;
};

class ExplanationAnswer final : public qcom::ComObject<IStreamExplanation> {
 public:
  ExplanationAnswer(std::string stream, std::vector<StreamField> fields)
      : stream_(std::move(stream)), fields_(qcom::Make<EngineeringList>()) {
    for (StreamField& field : fields) {
      promised_ += field.width;
      if (field.flags)
        malformed_ += (malformed_.empty() ? "" : "; ") + field.name + ": " + field.note;
      std::string key = field.name;
      fields_->AddObject(std::move(key), qcom::Make<FieldAnswer>(std::move(field)));
    }
    if (stream_.empty()) malformed_ = "the object builds no configuration stream";
  }

  HRESULT get_Stream(BSTR* v) override { return qcom::ReturnText(stream_, v); }
  HRESULT get_Fields(IEngineeringList** fields) override {
    return qcom::ReturnObject<IEngineeringList>(fields_, fields);
  }
  HRESULT get_Bytes(LONG* v) override {
    return qcom::ReturnValue(static_cast<LONG>(stream_.size() / 2), v);
  }
  HRESULT get_PromisedBytes(LONG* v) override { return qcom::ReturnValue(promised_, v); }
  HRESULT get_Malformed(BSTR* v) override { return qcom::ReturnText(malformed_, v); }

 private:
  ~ExplanationAnswer() override = default;
  std::string stream_;
  qcom::ComPtr<EngineeringList> fields_;
  LONG promised_ = 0;
  std::string malformed_;
};

class ValueCheckAnswer final : public qcom::ComObject<IValueCheck> {
 public:
  explicit ValueCheckAnswer(ValueCheckFacts facts) : f_(std::move(facts)) {}

  HRESULT get_Path(BSTR* v) override { return qcom::ReturnText(f_.path, v); }
  HRESULT get_Text(BSTR* v) override { return qcom::ReturnText(f_.text, v); }
  HRESULT get_Stored(BSTR* v) override { return qcom::ReturnText(f_.stored, v); }
  HRESULT get_Refusal(BSTR* v) override { return qcom::ReturnText(f_.refusal, v); }
  HRESULT get_Written(VARIANT_BOOL* v) override { return qcom::ReturnBool(f_.written, v); }

 private:
  ~ValueCheckAnswer() override = default;
  ValueCheckFacts f_;
};

class TemplateAnswer final : public qcom::ComObject<IModuleTemplate> {
 public:
  explicit TemplateAnswer(ModuleTemplateFacts facts) : f_(std::move(facts)) {}

  HRESULT get_Id(BSTR* v) override { return qcom::ReturnText(f_.id, v); }
  HRESULT get_Name(BSTR* v) override { return qcom::ReturnText(f_.name, v); }
  HRESULT get_Description(BSTR* v) override { return qcom::ReturnText(f_.description, v); }
  HRESULT get_AICount(LONG* v) override { return qcom::ReturnValue(f_.aiCount, v); }
  HRESULT get_AOCount(LONG* v) override { return qcom::ReturnValue(f_.aoCount, v); }
  HRESULT get_DICount(LONG* v) override { return qcom::ReturnValue(f_.diCount, v); }
  HRESULT get_DOCount(LONG* v) override { return qcom::ReturnValue(f_.doCount, v); }
  HRESULT get_CounterCount(LONG* v) override { return qcom::ReturnValue(f_.counterCount, v); }
  HRESULT get_TargetSlot(LONG* v) override { return qcom::ReturnValue(f_.targetSlot, v); }
  HRESULT get_Tag(BSTR* v) override { return qcom::ReturnText(f_.tag, v); }
  HRESULT get_Parameters(IEngineeringList** parameters) override {
    if (!parameters) return E_POINTER;
    return qcom::Guarded([&] {
      auto list = qcom::Make<EngineeringList>();
      for (const ParameterFacts& facts : f_.parameters)
        list->AddObject(facts.path, MakeParameterAnswer(facts));
      return qcom::ReturnObject<IEngineeringList>(list, parameters);
    });
  }

 private:
  ~TemplateAnswer() override = default;
  ModuleTemplateFacts f_;
};

class SnvtUseAnswer final : public qcom::ComObject<ISnvtUse> {
 public:
  explicit SnvtUseAnswer(SnvtUseFacts facts) : f_(std::move(facts)) {}

  HRESULT get_Id(BSTR* v) override { return qcom::ReturnText(f_.id, v); }
  HRESULT get_Name(BSTR* v) override { return qcom::ReturnText(f_.name, v); }
  HRESULT get_Kind(BSTR* v) override { return qcom::ReturnText(f_.kind, v); }
  HRESULT get_Entries(LONG* v) override { return qcom::ReturnValue(f_.entries, v); }
  HRESULT get_InDefinition(VARIANT_BOOL* v) override {
    return qcom::ReturnBool(f_.inDefinition, v);
  }

 private:
  ~SnvtUseAnswer() override = default;
  SnvtUseFacts f_;
};

class PointAnswer final : public qcom::ComObject<IEngineeringPoint> {
 public:
  explicit PointAnswer(PointFacts facts) : f_(std::move(facts)) {}

  HRESULT get_Direction(BSTR* v) override { return qcom::ReturnText(f_.direction, v); }
  HRESULT get_Name(BSTR* v) override { return qcom::ReturnText(f_.name, v); }
  HRESULT get_GlobalKey(BSTR* v) override { return qcom::ReturnText(f_.globalKey, v); }
  HRESULT get_Channel(BSTR* v) override { return qcom::ReturnText(f_.channel, v); }
  HRESULT get_SnvtIds(BSTR* v) override { return qcom::ReturnText(f_.snvtIds, v); }
  HRESULT get_SnvtNames(BSTR* v) override { return qcom::ReturnText(f_.snvtNames, v); }
  HRESULT get_Units(BSTR* v) override { return qcom::ReturnText(f_.units, v); }
  HRESULT get_Width(LONG* v) override { return qcom::ReturnValue(f_.width, v); }

 private:
  ~PointAnswer() override = default;
  PointFacts f_;
};

}  // namespace

ParameterFacts FactsOf(std::shared_ptr<const values::ParameterDefinition> definition,
                       std::string path, std::string name, std::string channelKind,
                       std::string value, std::string refusal) {
  const std::string& id = definition->snvtTypeId;
  const int32_t entries = id.empty() ? 0 : values::CatalogueEntries(id);
  return {std::move(definition), std::move(path),    std::move(name), std::move(channelKind),
          std::move(value),      std::move(refusal), entries};
}

qcom::ComPtr<IEngineeringParameter> MakeParameterAnswer(ParameterFacts facts) {
  return qcom::Make<ParameterAnswer>(std::move(facts));
}

qcom::ComPtr<IStreamExplanation> MakeStreamExplanation(std::string stream,
                                                       std::vector<StreamField> fields) {
  return qcom::Make<ExplanationAnswer>(std::move(stream), std::move(fields));
}

qcom::ComPtr<IValueCheck> MakeValueCheckAnswer(ValueCheckFacts facts) {
  return qcom::Make<ValueCheckAnswer>(std::move(facts));
}

qcom::ComPtr<IModuleTemplate> MakeTemplateAnswer(ModuleTemplateFacts facts) {
  return qcom::Make<TemplateAnswer>(std::move(facts));
}

qcom::ComPtr<ISnvtUse> MakeSnvtUseAnswer(SnvtUseFacts facts) {
  return qcom::Make<SnvtUseAnswer>(std::move(facts));
}

qcom::ComPtr<IEngineeringPoint> MakePointAnswer(PointFacts facts) {
  return qcom::Make<PointAnswer>(std::move(facts));
}

}  // namespace plugin
