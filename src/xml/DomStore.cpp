#include "xml/DomStore.h"

#include <algorithm>
#include <atomic>

#include "xml/DomNodeBase.h"
#include "xml/TreeWalk.h"

namespace qxml {

namespace {
std::atomic<uint64_t> lastStamp{0};
}  // namespace

DomStore::DomStore() {
  main_.doc = std::make_unique<pugi::xml_document>();
  scratch_.doc = std::make_unique<pugi::xml_document>();
  NoteEdit();
}

void DomStore::NoteEdit() {
  stamp_ = ++lastStamp;
}

DomStore::~DomStore() = default;

void DomStore::ReplaceMain(std::unique_ptr<pugi::xml_document> doc) {
  if (main_.nodeObjects > 0) retired_.push_back(std::move(main_));
  main_ = Tree{std::move(doc), 0};
  Touch();
}

bool DomStore::IsDetachedTop(pugi::xml_node node) const {
  pugi::xml_node parent = node.parent();
  return parent && parent.type() == pugi::node_document && parent != MainRoot();
}

DomNodeBase* DomStore::Find(const NodeHandle& handle) const {
  auto it = objects_.find(handle.Key());
  return it == objects_.end() ? nullptr : it->second;
}

DomStore::Tree* DomStore::TreeOf(pugi::xml_node node) {
  pugi::xml_node root = node.root();
  if (root == main_.doc->root()) return &main_;
  if (root == scratch_.doc->root()) return &scratch_;
  for (Tree& tree : retired_)
    if (root == tree.doc->root()) return &tree;
  return nullptr;
}

void DomStore::Register(DomNodeBase& node) {
  objects_[node.Handle().Key()] = &node;
  if (Tree* tree = TreeOf(node.Handle().node)) ++tree->nodeObjects;
  node.registered = true;
}

void DomStore::Unregister(DomNodeBase& node) {
  node.registered = false;
  objects_.erase(node.Handle().Key());
  Tree* tree = TreeOf(node.Handle().node);
  if (!tree) return;
  --tree->nodeObjects;
  if (tree == &scratch_)
    DropDetachedIfUnused(node.Handle().node);
  else if (tree != &main_)
    DropRetiredIfUnused(*tree);
}

// A detached subtree of the scratch tree that no node object reaches any more.
void DomStore::DropDetachedIfUnused(pugi::xml_node node) {
  pugi::xml_node top = node;
  while (top.parent() && top.parent() != ScratchRoot()) top = top.parent();
  if (top.parent() && !HasNodeObjects(top)) {
    RemoveSubtree(top);
    Touch();
  }
}

// A tree replaced by a load, once its last node object has gone.
void DomStore::DropRetiredIfUnused(Tree& tree) {
  if (tree.nodeObjects > 0) return;
  auto it =
      std::find_if(retired_.begin(), retired_.end(), [&](const Tree& t) { return &t == &tree; });
  if (it != retired_.end()) {
    retired_.erase(it);
    Touch();
  }
}

bool DomStore::HasNodeObjects(pugi::xml_node subtree) const {
  if (objects_.empty()) return false;
  for (pugi::xml_node n = subtree; n; n = NextInSubtree(n, subtree)) {
    if (objects_.count(n.internal_object())) return true;
    for (pugi::xml_attribute a : n.attributes())
      if (objects_.count(a.internal_object())) return true;
  }
  return false;
}

void DomStore::Rekey(DomNodeBase& node, const NodeHandle& to) {
  if (Tree* from = TreeOf(node.Handle().node)) --from->nodeObjects;
  objects_.erase(node.Handle().Key());
  node.Repoint(to);
  objects_[to.Key()] = &node;
  if (Tree* into = TreeOf(to.node)) ++into->nodeObjects;
}

// from and to have the same shape (to is a fresh copy of from).
void DomStore::RepointSubtree(pugi::xml_node from, pugi::xml_node to) {
  if (objects_.empty()) return;
  pugi::xml_node a = from;
  pugi::xml_node b = to;
  while (a && b) {
    if (DomNodeBase* object = Find(NodeHandle{a, {}})) Rekey(*object, NodeHandle{b, {}});
    pugi::xml_attribute aa = a.first_attribute();
    pugi::xml_attribute ba = b.first_attribute();
    for (; aa && ba; aa = aa.next_attribute(), ba = ba.next_attribute())
      if (DomNodeBase* object = Find(NodeHandle{a, aa})) Rekey(*object, NodeHandle{b, ba});
    a = NextInSubtree(a, from);
    b = NextInSubtree(b, to);
  }
}

pugi::xml_node DomStore::Append(pugi::xml_node parent, pugi::xml_node child) {
  if (!parent || !child || !child.parent()) return {};
  for (pugi::xml_node a = parent; a; a = a.parent())
    if (a == child) return {};
  Touch();
  if (parent.root() == child.root()) return parent.append_move(child);

  pugi::xml_node copy = parent.append_copy(child);
  if (!copy) return {};
  Tree* from = TreeOf(child);
  RepointSubtree(child, copy);
  RemoveSubtree(child);
  if (from && from != &main_ && from != &scratch_) DropRetiredIfUnused(*from);
  return copy;
}

pugi::xml_node DomStore::Remove(pugi::xml_node node) {
  pugi::xml_node parent = node.parent();
  if (!parent) return {};
  Touch();
  if (!HasNodeObjects(node)) {
    RemoveSubtree(node);
    return {};
  }
  if (parent == ScratchRoot()) return node;
  return Append(ScratchRoot(), node);
}

void DomStore::RemoveChildren(pugi::xml_node parent) {
  while (pugi::xml_node child = parent.first_child()) Remove(child);
}

bool DomStore::RemoveAttribute(pugi::xml_node owner, pugi::xml_attribute attr) {
  Touch();
  if (DomNodeBase* object = Find(NodeHandle{owner, attr})) {
    // A detached attribute needs an element to live on; the holder goes away
    // with the attribute's last node object.
    pugi::xml_node holder = ScratchRoot().append_child(pugi::node_element);
    pugi::xml_attribute copy = holder.append_copy(attr);
    if (!copy) {
      ScratchRoot().remove_child(holder);
      return false;
    }
    Rekey(*object, NodeHandle{holder, copy});
  }
  return owner.remove_attribute(attr);
}

}  // namespace qxml
