#include "host/session/Bindings.h"

#include <algorithm>
#include <cctype>

#include "com/TextRules.h"
#include "com/Variant.h"
#include "host/session/PlacedObject.h"
#include "host/session/ProjectFile.h"
#include "xml/Elements.h"

namespace host {

namespace {

template <class Getter>
std::string Text(Getter get) {
  qcom::Bstr value;
  get(value.out());
  return value.utf8();
}

// Names compared as people read them: runs of digits by their number, so
// that "Analog (4)" comes before "Analog (16)", letters without regard to case.
bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (std::isdigit(static_cast<unsigned char>(a[i])) &&
        std::isdigit(static_cast<unsigned char>(b[j]))) {
      size_t ei = i, ej = j;
      while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei]))) ++ei;
      while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej]))) ++ej;
      std::string da = a.substr(i, ei - i), db = b.substr(j, ej - j);
      da.erase(0, std::min(da.find_first_not_of('0'), da.size()));
      db.erase(0, std::min(db.find_first_not_of('0'), db.size()));
      if (da.size() != db.size()) return da.size() < db.size();
      if (da != db) return da < db;
      i = ei, j = ej;
      continue;
    }
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[j]));
    if (ca != cb) return ca < cb;
    ++i, ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;
}

bool BindingLess(const Binding& a, const Binding& b) {
  for (auto [x, y] :
       {std::pair{&a.input.object, &b.input.object}, std::pair{&a.input.point, &b.input.point},
        std::pair{&a.output.object, &b.output.object},
        std::pair{&a.output.point, &b.output.point}}) {
    if (NaturalLess(*x, *y)) return true;
    if (NaturalLess(*y, *x)) return false;
  }
  return false;
}

template <class Point, class Collection>
qcom::ComPtr<Point> FindPoint(Collection* points, const std::string& name) {
  qcom::ComPtr<Point> point;
  if (!points || name.empty()) return nullptr;
  points->get_Item(qcom::Variant(name).raw(), point.put());
  // A collection also takes a number as a position: only the name counts here.
  if (point && !qcom::text::EqualsNoCase(Text([&](BSTR* b) { return point->get_Name(b); }), name))
    return nullptr;
  return point;
}

void Connect(IDispatch* point) {
  if (auto connable = qcom::QueryAs<ISubItemConnable>(point))
    connable->put_IsConnected(VARIANT_TRUE);
}

std::string ReferenceKey(const BoundPoint& point) {
  return point.object + "\n" + qcom::text::Upper(point.point);
}

}  // namespace

std::optional<PointWord> ParsePointWord(const std::string& text, std::string& error) {
  const size_t colon = text.find(':');
  PointWord word;
  if (colon != std::string::npos) {
    word.point = qcom::text::Trim(text.substr(colon + 1));
    const std::string number = text.substr(0, colon);
    if (!number.empty() && number.size() <= 9 &&
        std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); }))
      word.number = std::stoul(number);
  }
  if (word.number == 0 || word.point.empty()) {
    error =
        "a point is named as OBJECT:NAME, the object's number from 1 and the point's name "
        "as get lists it (2:Analog (0) Value), not \"" +
        text + "\"";
    return std::nullopt;
  }
  return word;
}

bool ProjectBindings::Read(IXMLDOMElement* element, std::string& problem) {
  Binding binding;
  for (auto [name, field] :
       {std::pair{"fromObject", &binding.output.object}, std::pair{"output", &binding.output.point},
        std::pair{"toObject", &binding.input.object}, std::pair{"input", &binding.input.point}}) {
    auto value = qxml::AttributeOf(element, name);
    if (!value || value->empty()) {
      problem = "binding " + std::to_string(bindings_.size() + 1) + " has no " + name +
                " (a binding names fromObject, output, toObject and input)";
      return false;
    }
    *field = *value;
  }
  bindings_.push_back(std::move(binding));
  return true;
}

void ProjectBindings::Clear() {
  bindings_.clear();
  references_.clear();
}

void ProjectBindings::Add(Binding binding) {
  bindings_.push_back(std::move(binding));
}

void ProjectBindings::WriteInto(IXMLDOMDocument* document, IXMLDOMElement* root) const {
  for (const qxml::ElementPtr& child : qxml::ChildElements(root))
    if (qxml::NameOf(child.get()) == kBindingElement) {
      qxml::NodePtr removed;
      root->removeChild(child.get(), removed.put());
    }
  std::vector<Binding> sorted = bindings_;
  std::stable_sort(sorted.begin(), sorted.end(), BindingLess);
  for (const Binding& b : sorted) {
    qxml::ElementPtr element = qxml::AppendElement(document, root, kBindingElement);
    qxml::SetAttribute(element.get(), "fromObject", b.output.object);
    qxml::SetAttribute(element.get(), "output", b.output.point);
    qxml::SetAttribute(element.get(), "toObject", b.input.object);
    qxml::SetAttribute(element.get(), "input", b.input.point);
  }
}

std::optional<size_t> ObjectWithId(const ProjectFile& project, const std::string& uniqueId,
                                   std::string& problem) {
  std::optional<size_t> found;
  size_t count = 0;
  for (size_t i = 0; i < project.entries().size(); ++i)
    if (project.entries()[i].identity.uniqueId == uniqueId && count++ == 0) found = i;
  if (count == 1) return found;
  problem = count == 0 ? "no object has the unique ID " + uniqueId
                       : std::to_string(count) + " objects have the unique ID " + uniqueId;
  return std::nullopt;
}

std::string PointLabel(const ProjectFile& project, const BoundPoint& point) {
  std::string problem;
  auto index = ObjectWithId(project, point.object, problem);
  return (index ? std::to_string(*index + 1) : "(ID " + point.object + ")") + ":" + point.point;
}

std::string BindingLabel(const ProjectFile& project, const Binding& binding) {
  return PointLabel(project, binding.output) + " -> " + PointLabel(project, binding.input);
}

std::string BoundSource(const ProjectFile& project, size_t index, const std::string& input) {
  const std::string& own = project.entries().at(index).identity.uniqueId;
  for (const Binding& b : project.bindings().all())
    if (b.input.object == own && qcom::text::EqualsNoCase(b.input.point, input))
      return PointLabel(project, b.output);
  return {};
}

qcom::ComPtr<IInput> FindInput(IAppObject* object, const std::string& name) {
  qcom::ComPtr<IInputs> inputs;
  if (FAILED(object->get_Inputs(inputs.put()))) return nullptr;
  return FindPoint<IInput>(inputs.get(), name);
}

qcom::ComPtr<IOutput> FindOutput(IAppObject* object, const std::string& name) {
  qcom::ComPtr<IOutputs> outputs;
  if (FAILED(object->get_Outputs(outputs.put()))) return nullptr;
  return FindPoint<IOutput>(outputs.get(), name);
}

std::string IncompatibleTypes(IOutput* output, IInput* input) {
  qcom::ComPtr<ICompatibleSNVT> type;
  output->get_SNVTCompatible(type.put());
  const std::string id = type ? Text([&](BSTR* b) { return type->get_ID(b); }) : "";
  qcom::ComPtr<ICompatibleSNVTs> takes;
  input->get_SNVTCompatibles(takes.put());
  VARIANT_BOOL exists = VARIANT_FALSE;
  qcom::Bstr key(id);
  if (takes) takes->get_Exists(key.get(), &exists);
  if (exists == VARIANT_TRUE && !id.empty()) return {};
  const std::string list = takes ? Text([&](BSTR* b) { return takes->get_ToString(b); }) : "";
  return "the output's SNVT " + (id.empty() ? std::string("(none)") : id) +
         " is not one the input takes (" + (list.empty() ? "none" : list) + ")";
}

std::string ReferenceFor(IOutput* output, IInput* input) {
  auto display = qcom::QueryAs<IDisplayItem>(output);
  const std::string reference =
      display ? Text([&](BSTR* b) { return display->get_Reference(b); }) : "";
  VARIANT_BOOL extended = VARIANT_FALSE;
  input->get_Extended(&extended);
  return extended == VARIANT_TRUE ? "00" + reference : reference;
}

bool ApplyBindings(const ComponentSession& session, const ProjectFile& project, size_t index,
                   const PlacedObject& object, const std::string& path, std::string& error) {
  const ProjectBindings& bindings = project.bindings();
  if (bindings.empty()) return true;
  const std::string& own = project.entries().at(index).identity.uniqueId;
  auto fail = [&](const Binding& b, const std::string& why) {
    error = path + ": binding " + BindingLabel(project, b) + ": " + why;
    return false;
  };
  for (const Binding& b : bindings.all()) {
    if (b.output.object == own) {
      auto output = FindOutput(object.get(), b.output.point);
      if (!output)
        return fail(b, "object " + std::to_string(index + 1) + " has no output " + b.output.point);
      Connect(output.get());
    }
    if (b.input.object != own) continue;
    auto input = FindInput(object.get(), b.input.point);
    if (!input)
      return fail(b, "object " + std::to_string(index + 1) + " has no input " + b.input.point);
    // The source's reference, from the source itself: this object, or the
    // other one placed on its own once.
    std::string problem;
    auto source = ObjectWithId(project, b.output.object, problem);
    if (!source) return fail(b, problem);
    std::string& reference =
        bindings.references()[ReferenceKey(b.output) + "\n" + ReferenceKey(b.input)];
    if (reference.empty()) {
      std::unique_ptr<PlacedObject> placed;
      const PlacedObject* from = &object;
      if (*source != index) {
        const ProjectEntry& entry = project.entries()[*source];
        placed = PlacedObject::Place(session, entry.identity, problem);
        if (!placed) return fail(b, problem);
        placed->Load(entry.saved.get());
        from = placed.get();
      }
      auto output = FindOutput(from->get(), b.output.point);
      if (!output)
        return fail(b,
                    "object " + std::to_string(*source + 1) + " has no output " + b.output.point);
      if (std::string why = IncompatibleTypes(output.get(), input.get()); !why.empty())
        return fail(b, why);
      reference = ReferenceFor(output.get(), input.get());
    }
    Connect(input.get());
    input->put_Value(qcom::Bstr(reference).get());
  }
  return true;
}

}  // namespace host
