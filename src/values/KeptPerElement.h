#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>

#include "values/SnvtCatalogue.h"
#include "xml/Dom.h"

namespace values {

// What is read from one element of one document state against the current
// catalogue, kept while both stay as they are: a project reads the same few
// definition elements thousands of times. Handed out shared, so a caller may
// show messages (and let the host in) while it holds one.
template <class T>
class KeptPerElement {
 public:
  explicit KeptPerElement(size_t limit) : limit_(limit) {}

  // The kept reading of node if fits(reading) says it still answers the
  // question, else read(node) (kept when node and catalogue allow it).
  template <class Read, class Fits>
  std::shared_ptr<const T> Get(IXMLDOMNode* node, Read read, Fits fits) {
    const uint64_t generation = CatalogueGeneration();
    const qxml::NodeIdentity identity = qxml::IdentityOf(node);
    if (generation == 0 || identity.stamp == 0) return std::make_shared<const T>(read(node));
    // Readings of older states are never asked for again; they go all at once.
    if (generation_ != generation || kept_.size() > limit_) {
      kept_.clear();
      generation_ = generation;
    }
    std::shared_ptr<const T>& entry = kept_[identity];
    if (!entry || !fits(*entry)) entry = std::make_shared<const T>(read(node));
    return entry;
  }

 private:
  size_t limit_;
  uint64_t generation_ = 0;
  std::unordered_map<qxml::NodeIdentity, std::shared_ptr<const T>, qxml::NodeIdentityHash> kept_;
};

}  // namespace values
