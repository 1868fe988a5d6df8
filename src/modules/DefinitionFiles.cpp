#include "modules/DefinitionFiles.h"

#include <cstdint>
#include <unordered_map>

#include "com/Variant.h"
#include "platform/FileIdentity.h"
#include "platform/MessagePump.h"

namespace modules {
namespace {

struct Kept {
  platform::FileIdentity identity;
  uint64_t stamp = 0;  // the document's state when it was loaded
  qcom::ComPtr<IXMLDOMDocument> document;
};

std::unordered_map<std::string, Kept>& KeptFiles() {
  static std::unordered_map<std::string, Kept> kept;
  return kept;
}

DefinitionFile Parse(const std::string& path) {
  DefinitionFile file{qxml::CreateDocument(), false};
  VARIANT_BOOL loaded = VARIANT_FALSE;
  if (file.document) file.document->load(qcom::Variant(path).raw(), &loaded);
  file.loaded = loaded == VARIANT_TRUE;
  if (!file.loaded) return file;
  LONG state = 0;
  while (SUCCEEDED(file.document->get_readyState(&state)) && state != 4) platform::PumpMessages();
  return file;
}

}  // namespace

DefinitionFile LoadDefinitionFile(const std::string& path) {
  auto& kept = KeptFiles();
  const std::optional<platform::FileIdentity> identity = platform::IdentifyFile(path);
  if (!identity) {
    kept.erase(path);
    return Parse(path);
  }
  if (auto found = kept.find(path); found != kept.end()) {
    const Kept& entry = found->second;
    if (entry.identity == *identity && qxml::ContentStamp(entry.document.get()) == entry.stamp)
      return {entry.document, true};
    kept.erase(found);
  }
  DefinitionFile file = Parse(path);
  if (file.loaded)
    kept[path] = Kept{*identity, qxml::ContentStamp(file.document.get()), file.document};
  return file;
}

}  // namespace modules
