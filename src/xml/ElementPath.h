#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace qxml {

// A descendant path as getElementsByTagName takes it: names separated by "/",
// "*" for any name, compared exactly. "A/B/C" finds every C whose parent is a
// B whose parent is an A, where the A is anywhere below the context node.
class ElementPath {
 public:
  explicit ElementPath(std::string_view path);

  // False for an empty path or an empty step ("A//B", "/A"): such a path
  // matches nothing.
  bool Valid() const { return !steps_.empty(); }

  // The name the last step asks for ("*" for any).
  const std::string& LastStep() const { return steps_.back(); }

  // Every matching element below context, in document order, each once.
  // named, when given, holds every element of context's tree that the last
  // step names, in document order: only those are looked at.
  std::vector<pugi::xml_node> Matches(pugi::xml_node context,
                                      const std::vector<pugi::xml_node>* named = nullptr) const;

 private:
  bool Matches(pugi::xml_node element, pugi::xml_node context) const;

  std::vector<std::string> steps_;
};

}  // namespace qxml
