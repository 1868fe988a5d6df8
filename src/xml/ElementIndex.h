#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace qxml {

// The elements of one tree by name, in document order, so that a path lookup
// looks only at the elements its last step names instead of walking the whole
// document. Loaders look up many paths in a document that no longer changes
// (a definition, a catalogue), which is where the index pays for itself.
class ElementIndex {
 public:
  // The elements named name below root, in document order, as the tree is at
  // version; null when the caller should walk the tree itself. The index is
  // built at the second lookup without a change in between, so a document that
  // changes between lookups never pays for an index it cannot reuse.
  const std::vector<pugi::xml_node>* Named(pugi::xml_node root, uint64_t version,
                                           const std::string& name);

 private:
  void Build(pugi::xml_node root);

  std::unordered_map<std::string, std::vector<pugi::xml_node>> byName_;
  bool built_ = false;
  uint64_t builtAt_ = 0;
  bool looked_ = false;
  uint64_t lookedAt_ = 0;
};

}  // namespace qxml
