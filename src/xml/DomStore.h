#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "xml/ElementIndex.h"
#include "xml/NodeHandle.h"

namespace qxml {

class DomNodeBase;

// The pugixml trees behind one DOM document and the node objects living on
// them. The main tree is the document's content. Nodes without a parent
// (created and not yet appended, or removed) live in a scratch tree, and a
// tree replaced by a load is kept while node objects still point into it.
// pugixml moves nodes only inside one tree, so a move between trees copies the
// subtree and re-points the node objects on it to the copy.
class DomStore {
 public:
  DomStore();
  ~DomStore();
  DomStore(const DomStore&) = delete;
  DomStore& operator=(const DomStore&) = delete;

  pugi::xml_node MainRoot() const { return main_.doc->root(); }
  pugi::xml_node ScratchRoot() const { return scratch_.doc->root(); }
  // Makes doc the content; the old content is dropped, or kept as detached
  // nodes while node objects point into it.
  void ReplaceMain(std::unique_ptr<pugi::xml_document> doc);

  // True when the node's parent is the root of a tree other than the main one:
  // such a node has no parent and no siblings in the DOM.
  bool IsDetachedTop(pugi::xml_node node) const;

  DomNodeBase* Find(const NodeHandle& handle) const;
  void Register(DomNodeBase& node);
  void Unregister(DomNodeBase& node);

  // Appends child (with its subtree) as the last child of parent, moving it
  // from wherever it is in this document; node objects stay valid. Empty
  // when the move is impossible (child is parent or one of its ancestors).
  pugi::xml_node Append(pugi::xml_node parent, pugi::xml_node child);
  // Removes the node from its parent. With node objects on its subtree it
  // becomes a detached node (returned), otherwise it is destroyed.
  pugi::xml_node Remove(pugi::xml_node node);
  void RemoveChildren(pugi::xml_node parent);
  // False when the attribute could not be removed (out of memory).
  bool RemoveAttribute(pugi::xml_node owner, pugi::xml_attribute attr);

  // Changes with every structural change; cached node lists compare it.
  uint64_t Version() const { return version_; }
  void Touch() {
    ++version_;
    NoteEdit();
  }
  // Changes with every change of any kind, values included, and no two states
  // of any documents share one: what a reader keeps from a document stays
  // valid exactly as long as the document's stamp is the same.
  uint64_t Stamp() const { return stamp_; }
  void NoteEdit();

  // The main tree's elements named name, in document order; null when the
  // caller should walk the tree itself (see ElementIndex).
  const std::vector<pugi::xml_node>* MainElementsNamed(const std::string& name) {
    return index_.Named(MainRoot(), version_, name);
  }

 private:
  struct Tree {
    std::unique_ptr<pugi::xml_document> doc;
    int64_t nodeObjects = 0;
  };
  Tree* TreeOf(pugi::xml_node node);
  bool HasNodeObjects(pugi::xml_node subtree) const;
  void Rekey(DomNodeBase& node, const NodeHandle& to);
  void RepointSubtree(pugi::xml_node from, pugi::xml_node to);
  void DropDetachedIfUnused(pugi::xml_node node);
  void DropRetiredIfUnused(Tree& tree);

  Tree main_;
  Tree scratch_;
  std::vector<Tree> retired_;
  std::unordered_map<const void*, DomNodeBase*> objects_;
  uint64_t version_ = 0;
  uint64_t stamp_ = 0;
  ElementIndex index_;
};

}  // namespace qxml
