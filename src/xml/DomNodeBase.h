#pragma once

#include "xml/DomInterfaces.h"
#include "xml/NodeHandle.h"

namespace qxml {

class DomDocument;

// The part of every node object that the document works with: where the node
// lives and which document owns it. The document re-points a node object when
// its node moves to another tree, so the object stays valid.
class DomNodeBase {
 public:
  DomNodeBase(const DomNodeBase&) = delete;
  DomNodeBase& operator=(const DomNodeBase&) = delete;

  DomDocument& Doc() const { return *doc_; }
  const NodeHandle& Handle() const { return handle_; }
  void Repoint(const NodeHandle& handle) { handle_ = handle; }
  // Set while the document's store knows this object.
  bool registered = false;

  // The node object itself (no new reference).
  virtual IXMLDOMNode* AsNode() = 0;

 protected:
  // A node object holds a reference on its document; the document object
  // itself (holdsDocument false) cannot.
  DomNodeBase(DomDocument& doc, const NodeHandle& handle, bool holdsDocument);
  virtual ~DomNodeBase();

 private:
  DomDocument* doc_;
  NodeHandle handle_;
  bool holdsDocument_;
};

// Takes a node object that is going away out of its document's bookkeeping.
void ForgetNode(DomNodeBase& node);

// The implementation behind a node interface of this library; null for a node
// object from elsewhere. No reference is taken: the caller holds node.
DomNodeBase* Implementation(IUnknown* node);

}  // namespace qxml
