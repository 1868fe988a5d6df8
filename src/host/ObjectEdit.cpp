#include "host/ObjectEdit.h"

#include <cstdio>
#include <optional>

#include "com/TextRules.h"
#include "com/Variant.h"
#include "host/ParameterType.h"
#include "host/ParameterValues.h"

namespace host {

namespace {

qcom::ComPtr<IAttribute> DeviceParameter(IAppObject* object, const std::string& name) {
  qcom::ComPtr<IAttributes> attributes;
  qcom::ComPtr<IAttribute> attribute;
  if (FAILED(object->get_Attributes(attributes.put())) || !attributes) return nullptr;
  attributes->get_Item(qcom::Variant(name).raw(), attribute.put());
  // The collection also answers a position for a numeric key; only the name counts here.
  qcom::Bstr found;
  if (attribute) attribute->get_Name(found.out());
  if (!attribute || !qcom::text::EqualsNoCase(found.utf8(), name)) return nullptr;
  return attribute;
}

// The parameter's value as the object holds it; nothing when it has no such parameter.
std::optional<std::string> ReadBack(const PlacedObject& object, const ParameterAssignment& a,
                                    std::string& problem) {
  if (!a.channel) {
    auto attribute = DeviceParameter(object.get(), a.name);
    if (!attribute) {
      problem = "no device parameter " + a.name;
      return std::nullopt;
    }
    qcom::Bstr value;
    attribute->get_Value(value.out());
    return value.utf8();
  }
  qxml::ElementPtr element = FindChannelParameter(object.SavedElement().get(), a, problem);
  if (!element) return std::nullopt;
  return qxml::TextOf(element.get());
}

}  // namespace

ObjectEdit::ObjectEdit(const ComponentSession& session, ValueChecker& checker, std::string command,
                       bool force)
    : session_(session), checker_(checker), command_(std::move(command)), force_(force) {}

std::unique_ptr<PlacedObject> ObjectEdit::Apply(const ProjectFile& project, size_t index,
                                                const std::string& path,
                                                const std::vector<ParameterAssignment>& assignments,
                                                std::string& stream, std::string& error) {
  const std::string label = ObjectLabel(path, project, index);
  const size_t refusedBefore = refusals_.size();
  auto checked = [&](const ParameterAssignment& a,
                     const std::string& snvtId) -> std::optional<qcom::Bstr> {
    ValueChecker::Checked value;
    if (!checker_.Check(snvtId, a.value, value, error)) return std::nullopt;
    const std::string what = a.text + "=" + a.value;
    if (!value.refusal.empty() && force_)
      std::fprintf(stderr, "tqhost %s: note: %s is forced: %s\n", command_.c_str(), what.c_str(),
                   value.refusal.c_str());
    else if (!value.refusal.empty())
      refusals_.push_back(label + ": " + what + ": " + value.refusal);
    return qcom::Bstr(value.stored);
  };

  qxml::ElementPtr edited;
  {
    auto object = LoadProjectObject(session_, project, index, path, error);
    if (!object) return nullptr;
    for (const ParameterAssignment& a : assignments) {
      if (a.channel) continue;
      auto attribute = DeviceParameter(object->get(), a.name);
      if (!attribute) {
        error = label + ": " + NoSuchParameter(ReadParameterValues(session_, *object), *object, a);
        return nullptr;
      }
      auto value = checked(a, DeviceParameterSnvtId(attribute.get()));
      if (!value) return nullptr;
      attribute->put_Value(value->get());
    }
    edited = object->SavedElement();
    for (const ParameterAssignment& a : assignments) {
      if (!a.channel) continue;
      std::string problem;
      qxml::ElementPtr parameter = FindChannelParameter(edited.get(), a, problem);
      if (!parameter) {
        error = label + ": " + problem;
        return nullptr;
      }
      auto value = checked(a, ChannelParameterSnvtId(session_, parameter.get(), a.kind));
      if (!value) return nullptr;
      parameter->put_text(value->get());
    }
  }
  if (refusals_.size() != refusedBefore) return nullptr;
  auto object = PlacedObject::Place(session_, project.entries()[index].identity, error);
  if (!object) {
    error = label + ": " + error;
    return nullptr;
  }
  object->Load(edited.get());
  if (!ApplyBindings(session_, project, index, *object, path, error)) return nullptr;
  for (const ParameterAssignment& a : assignments) {
    std::string problem;
    auto value = ReadBack(*object, a, problem);
    if (!value) {
      error = label + ": " + a.text + " does not read back: " + problem;
      return nullptr;
    }
    if (*value != a.value)
      std::fprintf(stderr, "tqhost %s: note: %s=%s is kept as \"%s\"\n", command_.c_str(),
                   a.text.c_str(), a.value.c_str(), value->c_str());
  }
  stream = object->Stream();
  if (stream.empty()) {
    error = label + ": no configuration stream with these values; " + path + " is unchanged";
    return nullptr;
  }
  return object;
}

}  // namespace host
