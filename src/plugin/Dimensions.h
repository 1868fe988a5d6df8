#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The controller memory an object needs, from its placed modules.
namespace plugin {

// What the figures need to know of one placed module.
struct ModuleCounts {
  int32_t slot = 0;
  int32_t ai = 0, ao = 0, di = 0, dO = 0;
  int32_t counters = 0;  // DI channels flagged as counters
  bool hasDICollection = false;
  bool hasDOCollection = false;
};

// The channel counts summed over the placed modules.
struct ChannelTotals {
  int32_t ai = 0, ao = 0, di = 0, dO = 0;
  int32_t counters = 0;
};
// nullopt on a 32-bit overflow.
std::optional<ChannelTotals> TotalChannels(const std::vector<ModuleCounts>& modules);

// Configuration block bytes; nullopt on a 32-bit overflow.
std::optional<int32_t> CdbDimension(const std::vector<ModuleCounts>& modules);
// Data block bytes; nullopt on a 32-bit overflow.
std::optional<int32_t> DdbDimension(int32_t fixedDDB, int32_t fixedSHDB,
                                    const std::vector<ModuleCounts>& modules);

}  // namespace plugin
