#include "xml/ElementPath.h"

#include "xml/TreeWalk.h"

namespace qxml {

namespace {
bool NameMatches(const std::string& step, pugi::xml_node element) {
  return element.type() == pugi::node_element && (step == "*" || step == element.name());
}

bool IsBelow(pugi::xml_node node, pugi::xml_node context) {
  for (pugi::xml_node n = node.parent(); n; n = n.parent())
    if (n == context) return true;
  return false;
}
}  // namespace

ElementPath::ElementPath(std::string_view path) {
  for (;;) {
    size_t slash = path.find('/');
    std::string_view step = path.substr(0, slash);
    if (step.empty()) {
      steps_.clear();
      return;
    }
    steps_.emplace_back(step);
    if (slash == std::string_view::npos) return;
    path.remove_prefix(slash + 1);
  }
}

// The element matches the last step and its ancestors the steps before, all
// strictly below context.
bool ElementPath::Matches(pugi::xml_node element, pugi::xml_node context) const {
  pugi::xml_node n = element;
  for (size_t i = steps_.size(); i-- > 0;) {
    if (!n || n == context || !NameMatches(steps_[i], n)) return false;
    n = n.parent();
  }
  return true;
}

std::vector<pugi::xml_node> ElementPath::Matches(pugi::xml_node context,
                                                 const std::vector<pugi::xml_node>* named) const {
  std::vector<pugi::xml_node> found;
  if (!Valid() || !context) return found;
  if (named) {
    // Every element of the tree lies below its document node.
    const bool whole = context.type() == pugi::node_document;
    for (pugi::xml_node n : *named)
      if ((whole || IsBelow(n, context)) && Matches(n, context)) found.push_back(n);
    return found;
  }
  for (pugi::xml_node n = NextInSubtree(context, context); n; n = NextInSubtree(n, context))
    if (Matches(n, context)) found.push_back(n);
  return found;
}

}  // namespace qxml
