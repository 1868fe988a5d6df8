#include "xml/ElementIndex.h"

#include "xml/TreeWalk.h"

namespace qxml {

const std::vector<pugi::xml_node>* ElementIndex::Named(pugi::xml_node root, uint64_t version,
                                                       const std::string& name) {
  if (!built_ || builtAt_ != version) {
    if (!looked_ || lookedAt_ != version) {
      // The nodes of an older version may be gone: never read them again.
      byName_.clear();
      built_ = false;
      looked_ = true;
      lookedAt_ = version;
      return nullptr;
    }
    Build(root);
    built_ = true;
    builtAt_ = version;
  }
  static const std::vector<pugi::xml_node> kNone;
  auto found = byName_.find(name);
  return found == byName_.end() ? &kNone : &found->second;
}

void ElementIndex::Build(pugi::xml_node root) {
  byName_.clear();
  for (pugi::xml_node n = NextInSubtree(root, root); n; n = NextInSubtree(n, root))
    if (n.type() == pugi::node_element) byName_[n.name()].push_back(n);
}

}  // namespace qxml
