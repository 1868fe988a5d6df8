#pragma once

#include <pugixml.hpp>

namespace qxml {

// The node after n in document order inside the subtree of top, empty after
// the last one. Walking this way needs no recursion, so deeply nested input
// cannot exhaust the stack.
inline pugi::xml_node NextInSubtree(pugi::xml_node n, pugi::xml_node top) {
  if (pugi::xml_node child = n.first_child()) return child;
  while (n && n != top) {
    if (pugi::xml_node sibling = n.next_sibling()) return sibling;
    n = n.parent();
  }
  return {};
}

// Removes the node and its subtree from its tree. pugixml frees a removed
// subtree recursively, so the subtree is taken apart leaf by leaf first and no
// removal ever reaches deeper than one level.
inline void RemoveSubtree(pugi::xml_node top) {
  pugi::xml_node n = top;
  for (;;) {
    while (pugi::xml_node child = n.first_child()) n = child;
    if (n == top) break;
    pugi::xml_node parent = n.parent();
    parent.remove_child(n);
    n = parent;
  }
  if (pugi::xml_node parent = top.parent()) parent.remove_child(top);
}

}  // namespace qxml
