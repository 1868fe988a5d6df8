// The engineering interface: the object's own answers to an engineer's tools.
#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "com/Boundary.h"
#include "com/ErrorRecord.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "modules/ChannelRecipe.h"
#include "plugin/AddableChoices.h"
#include "plugin/CDBAppObject.h"
#include "plugin/EngineeringAnswers.h"
#include "plugin/ParameterPaths.h"
#include "values/MMain.h"
#include "values/SnvtCatalogue.h"
#include "values/SnvtKinds.h"
#include "values/ValueCheck.h"
#include "xml/Elements.h"

using qcom::BstrToUtf8;

namespace {

constexpr const char* kSource = "O_TQ4600.CAppObject";
constexpr const char* kChannelKinds[] = {"AI", "AO", "DI", "DO"};

// The refusal of each value of each definition, checked once: an object's
// channels repeat their definitions and, mostly, their values.
class RefusalMemo {
 public:
  const std::string& Of(const values::ParameterDefinition& definition, const std::string& value) {
    auto [entry, fresh] = refusals_.try_emplace({&definition, value});
    if (fresh)
      entry->second = values::CheckValue(definition, value, values::CatalogueUnits()).refusal;
    return entry->second;
  }

 private:
  std::map<std::pair<const values::ParameterDefinition*, std::string>, std::string> refusals_;
};

// The channel parameter definitions of a module template, kinds in stream
// order, as its placed channels take them: float types shortened to the
// stream's short float.
std::vector<plugin::ParameterFacts> TemplateParameters(IXMLDOMDocument* document,
                                                       int32_t& counterCount, int32_t diCount) {
  std::vector<plugin::ParameterFacts> parameters;
  RefusalMemo refusals;
  counterCount = 0;
  for (const char* kind : kChannelKinds) {
    auto node = qxml::FirstMatch(document, std::string("EB/") + kind);
    if (!node) continue;
    const auto recipe = modules::ChannelRecipeOf(node.get());
    for (const auto& [name, reading] : recipe->parameters) {
      const auto& definition =
          reading->definition->shortFloat ? reading->definition->shortFloat : reading->definition;
      const std::string& value = definition->initialValue;
      parameters.push_back(plugin::FactsOf(definition, std::string(kind) + "/" + name, name, kind,
                                           value, refusals.Of(*definition, value)));
    }
    if (std::string_view(kind) != "DI") continue;
    for (const auto& [section, fields] : recipe->sections)
      if (section == "OUTREFERENCES")
        for (const auto& field : fields)
          if (field.text && qcom::text::Upper(field.name) == "COUNTER") counterCount = diCount;
  }
  return parameters;
}

plugin::ModuleTemplateFacts FactsOf(const CDBEBModule& entry) {
  plugin::ModuleTemplateFacts facts;
  facts.id = entry.TemplateID();
  facts.name = entry.NameText();
  facts.description = entry.DescriptionText();
  facts.aiCount = entry.AICount();
  facts.aoCount = entry.AOCount();
  facts.diCount = entry.DICount();
  facts.doCount = entry.DOCount();
  facts.targetSlot = entry.TargetSlot();
  facts.tag = entry.MapTypModTag();
  facts.parameters =
      TemplateParameters(entry.TemplateDocument(), facts.counterCount, facts.diCount);
  return facts;
}

// The template IDs of a chain written "A,B,C" (blanks around them allowed).
std::vector<std::string> ChainOf(const std::string& text) {
  std::vector<std::string> chain;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::string id = qcom::text::Trim(text.substr(start, end - start));
    if (!id.empty()) chain.push_back(std::move(id));
    start = end + 1;
  }
  return chain;
}

}  // namespace

HRESULT CDBAppObject::ExplainStream(IStreamExplanation** explanation) {
  if (!explanation) return E_POINTER;
  *explanation = nullptr;
  return qcom::Guarded([&] {
    plugin::StreamWriter out(true);
    const bool built = WriteStream(out);
    auto answer = plugin::MakeStreamExplanation(
        built ? lastStream_ : std::string(),
        built ? std::move(out.Fields()) : std::vector<plugin::StreamField>{});
    return qcom::ReturnObject<IStreamExplanation>(answer, explanation);
  });
}

HRESULT CDBAppObject::get_Parameters(IEngineeringList** parameters) {
  if (!parameters) return E_POINTER;
  *parameters = nullptr;
  return qcom::Guarded([&] {
    auto list = qcom::Make<plugin::EngineeringList>();
    RefusalMemo refusals;
    for (plugin::PlacedParameter& placed :
         plugin::PlacedParameters(attributes_.get(), modules_.get())) {
      const CDBAttribute& parameter = *placed.parameter;
      const values::ParameterDefinition& definition = parameter.Definition();
      const std::string& value = parameter.StoredValue();
      std::string key = placed.path;
      list->AddObject(std::move(key), plugin::MakeParameterAnswer(plugin::FactsOf(
                                          parameter.SharedDefinition(), std::move(placed.path),
                                          parameter.NameText(), std::move(placed.channelKind),
                                          value, refusals.Of(definition, value))));
    }
    return qcom::ReturnObject<IEngineeringList>(list, parameters);
  });
}

HRESULT CDBAppObject::get_Parameter(BSTR path, IEngineeringParameter** parameter) {
  if (!parameter) return E_POINTER;
  *parameter = nullptr;
  return qcom::Guarded([&] {
    std::string problem;
    plugin::PlacedParameter placed =
        plugin::FindParameter(attributes_.get(), modules_.get(), BstrToUtf8(path), problem);
    if (!placed.parameter) return S_OK;
    const values::ParameterDefinition& definition = placed.parameter->Definition();
    const std::string& value = placed.parameter->StoredValue();
    auto answer = plugin::MakeParameterAnswer(
        plugin::FactsOf(placed.parameter->SharedDefinition(), std::move(placed.path),
                        placed.parameter->NameText(), std::move(placed.channelKind), value,
                        values::CheckValue(definition, value, values::CatalogueUnits()).refusal));
    return qcom::ReturnObject<IEngineeringParameter>(answer, parameter);
  });
}

HRESULT CDBAppObject::get_PathProblem(BSTR path, BSTR* problem) {
  if (!problem) return E_POINTER;
  *problem = nullptr;
  return qcom::Guarded([&] {
    std::string why;
    plugin::FindParameter(attributes_.get(), modules_.get(), BstrToUtf8(path), why);
    return qcom::ReturnText(why, problem);
  });
}

HRESULT CDBAppObject::CheckAndSet(BSTR path, BSTR text, LONG unitSystem, bool set, bool force,
                                  IValueCheck** check) {
  if (!check) return E_POINTER;
  *check = nullptr;
  return qcom::Guarded([&]() -> HRESULT {
    if (unitSystem != kUnitsSI && unitSystem != kUnitsUS)
      return qcom::RecordError(
          E_INVALIDARG, kSource,
          "no unit system " + std::to_string(unitSystem) + " (0 is SI, 1 is US customary)");
    plugin::ValueCheckFacts facts;
    facts.path = BstrToUtf8(path);
    facts.text = BstrToUtf8(text);
    plugin::PlacedParameter placed =
        plugin::FindParameter(attributes_.get(), modules_.get(), facts.path, facts.refusal);
    if (!placed.parameter) {
      facts.stored = facts.text;
      return qcom::ReturnObject<IValueCheck>(plugin::MakeValueCheckAnswer(std::move(facts)), check);
    }
    facts.path = placed.path;
    const values::ParameterDefinition& definition = placed.parameter->Definition();
    // Only numbers have units; the service is asked for them alone.
    const bool converted =
        unitSystem == kUnitsUS && values::IsNumericKind(definition.type->genType);
    // The service answers from the catalogue it was handed: a new one needs a new service.
    if (usUnits_ && !usUnits_->Serves(values::Shared().snvtDocument.get())) usUnits_.reset();
    if (converted && !usUnits_) {
      HRESULT hr = S_OK;
      usUnits_ = plugin::ServiceUnits::Open(unitSystem, hr);
      if (!usUnits_) return hr;
    }
    values::ValueUnits& units = converted ? *usUnits_ : values::CatalogueUnits();
    values::CheckedValue checked = values::CheckValue(definition, facts.text, units);
    facts.stored = std::move(checked.stored);
    facts.refusal = std::move(checked.refusal);
    if (set && (facts.refusal.empty() || force)) {
      placed.parameter->SetValueText(facts.stored);
      facts.written = true;
    }
    return qcom::ReturnObject<IValueCheck>(plugin::MakeValueCheckAnswer(std::move(facts)), check);
  });
}

HRESULT CDBAppObject::CheckValue(BSTR path, BSTR text, LONG unitSystem, IValueCheck** check) {
  return CheckAndSet(path, text, unitSystem, false, false, check);
}

HRESULT CDBAppObject::SetValue(BSTR path, BSTR text, LONG unitSystem, VARIANT_BOOL force,
                               IValueCheck** check) {
  return CheckAndSet(path, text, unitSystem, true, force != VARIANT_FALSE, check);
}

HRESULT CDBAppObject::get_AddableTemplates(IEngineeringList** templates) {
  if (!templates) return E_POINTER;
  *templates = nullptr;
  return qcom::Guarded([&] {
    // The catalogue's markings, listed in the order of the tree's node.
    auto list = qcom::Make<plugin::EngineeringList>();
    if (templates_ && !ChainLeftTree()) {
      std::string path = "AppObject/Configurations";
      if (modules_)
        for (const auto& entry : modules_->Modules())
          path += "/Slot" + std::to_string(entry.item->Slot()) + "/" + entry.item->TemplateID();
      std::vector<const CDBEBModule*> listed;
      for (const plugin::AddableChoice& choice :
           plugin::ChoicesAt(definitionDoc_.get(), path).choices) {
        auto entry = templates_->Items().ByKey(choice.templateName);
        if (!entry || !entry->IsAddable() ||
            std::find(listed.begin(), listed.end(), entry.get()) != listed.end())
          continue;
        listed.push_back(entry.get());
        list->AddObject(entry->TemplateID(), plugin::MakeTemplateAnswer(FactsOf(*entry)));
      }
    }
    return qcom::ReturnObject<IEngineeringList>(list, templates);
  });
}

HRESULT CDBAppObject::get_NextTemplates(BSTR chain, IEngineeringList** templates) {
  if (!templates) return E_POINTER;
  *templates = nullptr;
  return qcom::Guarded([&] {
    auto list = qcom::Make<plugin::EngineeringList>();
    if (!templates_) return qcom::ReturnObject<IEngineeringList>(list, templates);
    // The path the chain's modules would select once placed, each in the slot
    // the tree gives it and named by the catalogue's spelling of its ID.
    std::string path = "AppObject/Configurations";
    for (const std::string& id : ChainOf(BstrToUtf8(chain))) {
      const plugin::AddableChoice* next = nullptr;
      for (const plugin::AddableChoice& choice :
           plugin::ChoicesAt(definitionDoc_.get(), path).choices)
        if (!next && qcom::text::EqualsNoCase(choice.templateName, id) &&
            templates_->Items().ByKey(id))
          next = &choice;
      if (!next) return qcom::ReturnObject<IEngineeringList>(list, templates);
      path +=
          "/Slot" + std::to_string(next->slot) + "/" + templates_->Items().ByKey(id)->TemplateID();
    }
    // Each template once, at its first place, with its last slot and tag, as
    // the catalogue marks a template the tree lists twice.
    std::vector<plugin::ModuleTemplateFacts> allowed;
    for (const plugin::AddableChoice& choice :
         plugin::ChoicesAt(definitionDoc_.get(), path).choices) {
      auto entry = templates_->Items().ByKey(choice.templateName);
      if (!entry) continue;  // a template the catalogue does not hold
      plugin::ModuleTemplateFacts* facts = nullptr;
      for (plugin::ModuleTemplateFacts& known : allowed)
        if (known.id == entry->TemplateID()) facts = &known;
      if (!facts) facts = &allowed.emplace_back(FactsOf(*entry));
      facts->targetSlot = choice.slot;
      facts->tag = choice.tag;
    }
    for (plugin::ModuleTemplateFacts& facts : allowed) {
      std::string key = facts.id;
      list->AddObject(std::move(key), plugin::MakeTemplateAnswer(std::move(facts)));
    }
    return qcom::ReturnObject<IEngineeringList>(list, templates);
  });
}

HRESULT CDBAppObject::get_ModuleTemplates(IEngineeringList** templates) {
  if (!templates) return E_POINTER;
  *templates = nullptr;
  return qcom::Guarded([&] {
    auto list = qcom::Make<plugin::EngineeringList>();
    if (templates_)
      for (const auto& entry : templates_->Items())
        list->AddObject(entry.key, plugin::MakeTemplateAnswer(FactsOf(*entry.item)));
    return qcom::ReturnObject<IEngineeringList>(list, templates);
  });
}

HRESULT CDBAppObject::get_SnvtTypes(IEngineeringList** types) {
  if (!types) return E_POINTER;
  *types = nullptr;
  return qcom::Guarded([&] {
    std::vector<plugin::SnvtUseFacts> used;
    // Every SNVTTYPE element of a document, as the parameter loader reads its text.
    auto collect = [&](IXMLDOMDocument* document, bool definition) {
      qcom::ComPtr<IXMLDOMNodeList> found;
      LONG count = 0;
      if (document &&
          SUCCEEDED(document->getElementsByTagName(qcom::Bstr("SNVTTYPE").get(), found.put())) &&
          found)
        found->get_length(&count);
      for (LONG i = 0; i < count; ++i) {
        qcom::ComPtr<IXMLDOMNode> node;
        found->get_item(i, node.put());
        const std::string id = qxml::Text(node.get()).value_or("");
        if (id.empty()) continue;
        plugin::SnvtUseFacts* known = nullptr;
        for (plugin::SnvtUseFacts& facts : used)
          if (facts.id == id) known = &facts;
        if (!known) {
          known = &used.emplace_back();
          known->id = id;
          known->entries = values::CatalogueEntries(id);
          const values::SnvtFields& fields = *values::CatalogueRecord(id)->fields;
          known->name = fields.name;
          known->kind = fields.genType;
        }
        known->inDefinition = known->inDefinition || definition;
      }
    };
    collect(definitionDoc_.get(), true);
    if (templates_)
      for (const auto& entry : templates_->Items()) collect(entry.item->TemplateDocument(), false);
    auto list = qcom::Make<plugin::EngineeringList>();
    for (plugin::SnvtUseFacts& facts : used) {
      std::string key = facts.id;
      list->AddObject(std::move(key), plugin::MakeSnvtUseAnswer(std::move(facts)));
    }
    return qcom::ReturnObject<IEngineeringList>(list, types);
  });
}
