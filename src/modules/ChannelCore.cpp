#include "modules/ChannelCore.h"

#include "com/Bstr.h"
#include "com/TextRules.h"
#include "com/Variant.h"
#include "modules/ChannelRecipe.h"
#include "platform/MessageBox.h"
#include "platform/MessagePump.h"
#include "xml/Elements.h"

namespace {

// Whether one of the named points of a host collection is connected, directly
// or through a macro. Outputs and inputs are asked the same way.
template <class Point, class Points>
bool AnyConnected(Points& points, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    qcom::Variant key(name);
    qcom::ComPtr<Point> point;
    if (FAILED(points.get_Item(key.raw(), point.put())) || !point) continue;
    VARIANT_BOOL connected = VARIANT_FALSE;
    if (SUCCEEDED(point->get_IsConnected(&connected)) && connected) return true;
    VARIANT_BOOL macroConnected = VARIANT_FALSE;
    if (SUCCEEDED(point->get_IsMacroConnected(&macroConnected)) && macroConnected) return true;
  }
  return false;
}

}  // namespace

ChannelCore::ChannelCore(const ChannelKindInfo& kind) : kind_(kind) {}

ChannelCore::~ChannelCore() {
  attributes_ = nullptr;
  references_.clear();
  appObject_ = nullptr;
}

bool ChannelCore::Create(IXMLDOMNode* definition, IAppObjectServices& services,
                         bool manageShortFloat, int32_t channelIndex, int32_t positionInModule,
                         IAppObject* owner, IChannelLink* self) {
  if (!definition) return false;
  const auto recipe = modules::ChannelRecipeOf(definition);
  // The parameters come before the name: a problem in their section is
  // reported while the channel is still unnamed.
  LoadParameters(*recipe, manageShortFloat);
  name = std::string(kind_.namePrefix) + std::to_string(channelIndex) + ")";
  index = channelIndex;
  indexInModule = positionInModule;
  SetAppObject(owner);

  const std::string section = qcom::text::Upper(kind_.referenceSection);
  for (const auto& [childName, fields] : recipe->sections) {
    if (childName != section) continue;
    for (const auto& reference : fields)
      if (!CreatePoint(reference, services, self)) return false;
  }
  return true;
}

bool ChannelCore::CreatePoint(const qxml::Field& reference, IAppObjectServices& services,
                              IChannelLink* self) {
  const std::string& referenceName = reference.name;
  const auto& snvt = reference.text;
  if (!snvt) return false;
  const std::string pointName = name + " " + referenceName;

  // The application object may name the point differently; the channel keeps
  // the name the point got, which is what the host collections know it by.
  qcom::Bstr createdName;
  if (kind_.createsOutputs) {
    auto output = services.AddChannelOutput(pointName, *snvt, self);
    if (!output || FAILED(output->get_Name(createdName.out()))) return false;
  } else {
    auto input = services.AddChannelInput(pointName, *snvt, self);
    if (!input || FAILED(input->get_Name(createdName.out()))) return false;
  }
  AddReference(createdName.utf8());
  if (kind_.mayCount && qcom::text::Upper(referenceName) == "COUNTER") isCounter = true;
  return true;
}

bool ChannelCore::AddReference(const std::string& pointName) {
  for (const std::string& known : references_)
    if (qcom::text::EqualsNoCase(known, pointName)) return false;
  references_.push_back(pointName);
  return true;
}

void ChannelCore::LoadAttributes(IXMLDOMNode* channelNode, bool manageShortFloat) {
  LoadParameters(*modules::ChannelRecipeOf(channelNode), manageShortFloat);
}

void ChannelCore::LoadParameters(const modules::ChannelRecipe& recipe, bool manageShortFloat) {
  for (const auto& [parameterName, reading] : recipe.parameters) {
    if (!attributes_) {
      attributes_ = qcom::Make<CDBAttributes>();
      attributes_->Reserve(recipe.parameters.size());
    }
    attributes_->AddDefined(parameterName, *reading);
  }
  if (manageShortFloat && attributes_)
    for (const auto& entry : attributes_->Items()) entry.item->ForceShortFloat();

  // Every node of the section counts, comments included: a section whose
  // nodes did not all become parameters (a comment, a name used twice) is
  // reported, and loading goes on.
  if (!recipe.hasSection) return;
  const size_t held = attributes_ ? attributes_->Count() : 0;
  if (recipe.lastSectionNodes > 0 && static_cast<size_t>(recipe.lastSectionNodes) != held)
    platform::ShowMessage("Error: Problems in the Attribute section of the XML file of " + name +
                          " ");
}

void ChannelCore::SetConnected(bool connected) {
  if (connected) {
    connected_ = true;
    ++connectionCount_;
  } else {
    --connectionCount_;
    connected_ = connectionCount_ != 0;
  }
}

bool ChannelCore::IsConnected() const {
  if (connected_) return true;
  if (!appObject_ || references_.empty()) return false;
  if (kind_.createsOutputs) {
    qcom::ComPtr<IOutputs> outputs;
    if (FAILED(appObject_->get_Outputs(outputs.put())) || !outputs) return false;
    return AnyConnected<IOutput>(*outputs, references_);
  }
  qcom::ComPtr<IInputs> inputs;
  if (FAILED(appObject_->get_Inputs(inputs.put())) || !inputs) return false;
  return AnyConnected<IInput>(*inputs, references_);
}

void ChannelCore::Save(IXMLDOMNode* parent, IXMLDOMDocument* document, bool simulation) const {
  auto element = qxml::AppendElement(document, parent, kind_.elementName, qxml::kNoTextField);
  if (!element) return;
  if (simulation) qxml::AppendValueElement(document, element.get(), "Alias", name + " Value");
  if (!attributes_) return;
  for (const auto& entry : attributes_->Items()) {
    platform::PumpMessages();
    qxml::AppendValueElement(document, element.get(), entry.item->NameText(),
                             entry.item->ValueText());
  }
}

void ChannelCore::Load(IXMLDOMNode* parent) {
  if (!attributes_) return;
  for (const auto& field : qxml::Fields(parent)) {
    auto attribute = attributes_->Item(field.name);
    if (!attribute) continue;
    if (field.text) attribute->SetValueText(*field.text);
  }
}

ports::ChannelRowData ChannelCore::RowData() const {
  ports::ChannelRowData row{name, globalKey, {}};
  if (attributes_)
    for (const auto& entry : attributes_->Items())
      row.parameters.emplace_back(entry.item->NameText(), entry.item->DisplayValue());
  return row;
}
