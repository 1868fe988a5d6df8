// Arbitrary bytes as an object definition's configuration tree: every chain
// the tree offers is walked as the object walks it while modules are added,
// without a crash, a hang or a leak.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "com/Bstr.h"
#include "plugin/AddableChoices.h"
#include "xml/Dom.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto definition = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  definition->loadXML(qcom::Bstr(std::string_view(reinterpret_cast<const char*>(data), size)).get(),
                      &ok);
  if (ok != VARIANT_TRUE) return 0;
  // Chains of up to three modules, as many slots as a device has, the first
  // few choices at each step.
  std::vector<std::pair<std::string, int>> open = {{"AppObject/Configurations", 0}};
  for (size_t walked = 0; !open.empty() && walked < 200; ++walked) {
    auto [path, placed] = open.back();
    open.pop_back();
    const plugin::AddableChoices& next = plugin::ChoicesAt(definition.get(), path);
    size_t taken = 0;
    for (const plugin::AddableChoice& choice : next.choices) {
      if (placed + 1 < 3 && taken++ < 4)
        open.emplace_back(path + "/Slot" + std::to_string(choice.slot) + "/" + choice.templateName,
                          placed + 1);
    }
  }
  return 0;
}
