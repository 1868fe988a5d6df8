#include "host/commands/ObjectEdit.h"

#include <cstdio>

#include "com/ErrorRecord.h"
#include "com/TextRules.h"
#include "host/session/Answers.h"

namespace host {

std::optional<LONG> UnitSystemNamed(const std::string& name) {
  if (qcom::text::EqualsNoCase(name, "si")) return kUnitsSI;
  if (qcom::text::EqualsNoCase(name, "us")) return kUnitsUS;
  return std::nullopt;
}

ObjectEdit::ObjectEdit(const ComponentSession& session, LONG units, std::string command, bool force)
    : session_(session), units_(units), command_(std::move(command)), force_(force) {}

bool ObjectEdit::Unchanged(IEngineering* engineering, const std::string& path,
                           const std::string& current, const std::string& value,
                           std::string& error) const {
  if (value == current) return true;
  qcom::ClearErrorRecord();
  qcom::Bstr p(path), text(value);
  qcom::ComPtr<IValueCheck> check;
  if (HRESULT hr = engineering->CheckValue(p.get(), text.get(), units_, check.put()); FAILED(hr))
    return error = LastErrorText(hr), false;
  return TextOf(check.get(), &IValueCheck::get_Refusal).empty() &&
         TextOf(check.get(), &IValueCheck::get_Stored) == current;
}

std::unique_ptr<PlacedObject> ObjectEdit::Apply(const ProjectFile& project, size_t index,
                                                const std::string& path,
                                                const std::vector<ParameterAssignment>& assignments,
                                                std::string& stream, std::string& error) {
  const std::string label = ObjectLabel(path, project, index);
  const size_t refusedBefore = refusals_.size();
  qxml::ElementPtr edited;
  {
    auto object = LoadProjectObject(session_, project, index, path, error);
    if (!object) return nullptr;
    IEngineering* engineering = object->engineering();
    if (!engineering) return error = label + ": " + kNoEngineering, nullptr;
    for (const ParameterAssignment& a : assignments) {
      ParameterRow row;
      if (!FindParameterRow(*object, a.text, row, error))
        return error = label + ": " + error, nullptr;
      qcom::ClearErrorRecord();
      qcom::Bstr name(a.text), value(a.value);
      qcom::ComPtr<IValueCheck> check;
      HRESULT hr = engineering->SetValue(name.get(), value.get(), units_,
                                         force_ ? VARIANT_TRUE : VARIANT_FALSE, check.put());
      if (FAILED(hr)) return error = LastErrorText(hr), nullptr;
      const std::string refusal = TextOf(check.get(), &IValueCheck::get_Refusal);
      const std::string what = a.text + "=" + a.value;
      if (!refusal.empty() && force_)
        std::fprintf(stderr, "tqhost %s: note: %s is forced: %s\n", command_.c_str(), what.c_str(),
                     refusal.c_str());
      else if (!refusal.empty())
        refusals_.push_back(label + ": " + what + ": " + refusal);
    }
    if (refusals_.size() != refusedBefore) return nullptr;
    edited = object->SavedElement();
  }
  auto object = PlacedObject::Place(session_, project.entries()[index].identity, error);
  if (!object) return error = label + ": " + error, nullptr;
  object->Load(edited.get());
  if (!ApplyBindings(session_, project, index, *object, path, error)) return nullptr;
  for (const ParameterAssignment& a : assignments) {
    ParameterRow row;
    std::string problem;
    if (!FindParameterRow(*object, a.text, row, problem))
      return error = label + ": " + a.text + " does not read back: " + problem, nullptr;
    if (row.value != a.value)
      std::fprintf(stderr, "tqhost %s: note: %s=%s is kept as \"%s\"\n", command_.c_str(),
                   a.text.c_str(), a.value.c_str(), row.value.c_str());
  }
  stream = object->Stream();
  if (stream.empty())
    return error = label + ": no configuration stream with these values; " + path + " is unchanged",
           nullptr;
  return object;
}

}  // namespace host
