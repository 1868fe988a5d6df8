#include "host/session/WrittenBack.h"

#include <map>
#include <optional>

#include "com/TextRules.h"
#include "xml/Elements.h"

namespace host {

namespace {

using qxml::NodePtr;

// Every child node, comments and texts included, in document order.
std::vector<NodePtr> AllChildren(IXMLDOMNode* node) {
  std::vector<NodePtr> children;
  NodePtr child;
  if (!node || node->get_firstChild(child.put()) != S_OK) return children;
  while (child) {
    children.push_back(child);
    NodePtr next;
    if (child->get_nextSibling(next.put()) != S_OK) break;
    child = next;
  }
  return children;
}

bool IsElement(IXMLDOMNode* node) {
  DOMNodeType type = NODE_INVALID;
  return node && SUCCEEDED(node->get_nodeType(&type)) && type == NODE_ELEMENT;
}

// A child of the loaded element and the position of its counterpart among the
// rewritten element's children: the n-th element of a name is matched with
// the n-th of that name.
struct Paired {
  NodePtr loaded;
  std::optional<size_t> rewritten;
};

std::vector<Paired> Pair(IXMLDOMNode* loaded, const std::vector<NodePtr>& rewritten) {
  std::map<std::string, std::vector<size_t>> byName;
  for (size_t i = 0; i < rewritten.size(); ++i)
    if (IsElement(rewritten[i].get())) byName[qxml::UpperBaseName(rewritten[i].get())].push_back(i);
  std::map<std::string, size_t> seen;
  std::vector<Paired> pairs;
  for (const NodePtr& child : AllChildren(loaded)) {
    Paired paired{child, std::nullopt};
    if (IsElement(child.get())) {
      const std::string name = qxml::UpperBaseName(child.get());
      const std::vector<size_t>& candidates = byName[name];
      if (size_t n = seen[name]++; n < candidates.size()) paired.rewritten = candidates[n];
    }
    pairs.push_back(paired);
  }
  return pairs;
}

// Where an element sits in the object's element, for naming what is lost.
enum class Level { kObject, kPart, kModules, kModule, kChannel };

Level Below(Level level, const std::string& upperName) {
  switch (level) {
    case Level::kObject:
      return upperName == "MODULES" ? Level::kModules : Level::kPart;
    case Level::kModules:
      return Level::kModule;
    case Level::kModule:
      return Level::kChannel;
    default:
      return Level::kPart;
  }
}

bool HasText(IXMLDOMNode* node) {
  auto text = qxml::Text(node);
  return text && !text->empty();
}

void CollectLost(IXMLDOMNode* loaded, IXMLDOMNode* rewritten, Level level, const std::string& where,
                 std::vector<LostPart>& lost) {
  const std::vector<NodePtr> others = AllChildren(rewritten);
  std::map<std::string, int> positions;
  int modules = 0;
  for (const Paired& pair : Pair(loaded, others)) {
    IXMLDOMNode* child = pair.loaded.get();
    if (!IsElement(child)) continue;
    const std::string name = qxml::BaseName(child);
    const std::string upper = qcom::text::Upper(name);
    std::string label = where.empty() ? name : where + "/" + name;
    std::string what = label;
    if (level == Level::kModules) {
      label = "EB" + std::to_string(++modules);
      what = "module " + label + " (" + name + ")";
    } else if (level == Level::kModule) {
      label += "/" + std::to_string(++positions[upper]);
      what = "channel " + label;
    }
    if (!pair.rewritten) {
      // What the object does not know directly inside its element is carried over.
      if (level != Level::kObject)
        lost.push_back({what, level == Level::kModules || level == Level::kModule});
      continue;
    }
    IXMLDOMNode* counterpart = others[*pair.rewritten].get();
    if (qxml::ChildElements(child).empty() && HasText(child) && !HasText(counterpart))
      lost.push_back({"the value of " + label});
    CollectLost(child, counterpart, Below(level, upper), label, lost);
  }
}

void Carry(IXMLDOMNode* loaded, IXMLDOMNode* rewritten, bool objectLevel) {
  const std::vector<NodePtr> own = AllChildren(rewritten);
  // Each node to carry with the position of the rewritten child it follows.
  std::vector<std::pair<std::optional<size_t>, NodePtr>> carried;
  std::optional<size_t> after;
  for (const Paired& pair : Pair(loaded, own)) {
    if (pair.rewritten) {
      after = pair.rewritten;
      Carry(pair.loaded.get(), own[*pair.rewritten].get(), false);
    } else if (qxml::IsComment(pair.loaded.get()) ||
               (objectLevel && IsElement(pair.loaded.get()))) {
      carried.emplace_back(after, pair.loaded);
    }
  }
  if (carried.empty()) return;
  // Appending a child of the element moves it to the end, so appending every
  // node in the order wanted leaves them in that order.
  auto append = [&](const NodePtr& node) {
    NodePtr added;
    rewritten->appendChild(node.get(), added.put());
  };
  for (const auto& [position, node] : carried)
    if (!position) append(node);
  for (size_t i = 0; i < own.size(); ++i) {
    append(own[i]);
    for (const auto& [position, node] : carried)
      if (position == i) append(node);
  }
}

}  // namespace

std::vector<LostPart> LostParts(IXMLDOMNode* loaded, IXMLDOMNode* rewritten) {
  std::vector<LostPart> lost;
  CollectLost(loaded, rewritten, Level::kObject, "", lost);
  return lost;
}

void CarryOver(IXMLDOMNode* loaded, IXMLDOMNode* rewritten) {
  Carry(loaded, rewritten, true);
}

}  // namespace host
