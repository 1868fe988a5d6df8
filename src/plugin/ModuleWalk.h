#pragma once

#include <cstddef>

#include "modules/CDBEBModules.h"

// Walks over the placed modules in set order and over a collection's channels
// in order, skipping the empty places a failed step leaves.
namespace plugin {

template <class Visit>
void ForEachModule(const CDBEBModules* modules, Visit visit) {
  if (!modules) return;
  for (const auto& entry : modules->Modules())
    if (entry.item) visit(*entry.item);
}

template <class Channels, class Visit>
void ForEachChannel(const Channels* channels, Visit visit) {
  for (size_t i = 1; channels && i <= channels->Count(); ++i)
    if (auto channel = channels->At(i)) visit(*channel);
}

}  // namespace plugin
