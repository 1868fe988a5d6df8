#include "host/session/PointsList.h"

#include "com/TextRules.h"
#include "com/Variant.h"
#include "host/session/ProjectChange.h"

namespace host {

namespace {

template <class Getter>
std::string Text(Getter get) {
  qcom::Bstr value;
  get(value.out());
  return value.utf8();
}

}  // namespace

std::vector<std::string> SplitCommas(const std::string& list) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = list.find(',', start);
    parts.push_back(list.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

bool ReadPointRows(const ComponentSession& session, const ProjectFile& project,
                   const std::string& path, std::vector<PointRow>& rows, std::string& error,
                   const std::function<bool(size_t)>& wanted) {
  for (size_t i = 0; i < project.entries().size(); ++i) {
    if (wanted && !wanted(i)) continue;
    auto object =
        LoadProjectObject(session, project, i, path, error, {.onLoss = OnLoss::kRefuseUnplaced});
    if (!object) return false;
    auto engineering = EngineeringOf(*object);
    if (!engineering) {
      error = ObjectLabel(path, project, i) + ": the object lists no points for tqhost";
      return false;
    }
    const ObjectIdentity& identity = project.entries()[i].identity;
    qcom::ComPtr<IEngineeringList> points;
    engineering->get_Points(points.put());
    LONG count = 0;
    if (points) points->get_Count(&count);
    for (LONG k = 1; k <= count; ++k) {
      auto point = ItemAs<IEngineeringPoint>(points.get(), qcom::Variant(int32_t{k}));
      if (!point) continue;
      PointRow row;
      row.object = i + 1;
      row.id = identity.uniqueId;
      row.userName = identity.userName;
      row.direction = Text([&](BSTR* b) { return point->get_Direction(b); });
      row.name = Text([&](BSTR* b) { return point->get_Name(b); });
      row.channel = Text([&](BSTR* b) { return point->get_Channel(b); });
      row.snvtIds = Text([&](BSTR* b) { return point->get_SnvtIds(b); });
      row.snvtNames = Text([&](BSTR* b) { return point->get_SnvtNames(b); });
      row.units = Text([&](BSTR* b) { return point->get_Units(b); });
      const bool input = row.direction == "input";
      // What the controller is sent: an input's reference as it holds it, an
      // output's own display reference.
      if (input) {
        if (auto found = FindInput(object->get(), row.name))
          row.reference = Text([&](BSTR* b) { return found->get_Value(b); });
      } else if (auto found = FindOutput(object->get(), row.name)) {
        if (auto display = qcom::QueryAs<IDisplayItem>(found.get()))
          row.reference = Text([&](BSTR* b) { return display->get_Reference(b); });
      }
      for (const Binding& b : project.bindings().all()) {
        const BoundPoint& own = input ? b.input : b.output;
        if (own.object == identity.uniqueId && qcom::text::EqualsNoCase(own.point, row.name))
          row.bindings.push_back(PointLabel(project, input ? b.output : b.input));
      }
      rows.push_back(std::move(row));
    }
  }
  return true;
}

}  // namespace host
