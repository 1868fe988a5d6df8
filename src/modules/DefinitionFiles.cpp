#include "modules/DefinitionFiles.h"

#include <sys/stat.h>

#include <cstdint>
#include <unordered_map>

#include "com/Variant.h"
#include "platform/MessagePump.h"

namespace modules {
namespace {

// What tells one version of a file from another without reading it.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modifiedSeconds = 0;
  int64_t modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

bool Identify(const std::string& path, FileIdentity& identity) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  identity = {info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
  return true;
}

struct Kept {
  FileIdentity identity;
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
  FileIdentity identity;
  if (!Identify(path, identity)) {
    kept.erase(path);
    return Parse(path);
  }
  if (auto found = kept.find(path); found != kept.end()) {
    const Kept& entry = found->second;
    if (entry.identity == identity && qxml::ContentStamp(entry.document.get()) == entry.stamp)
      return {entry.document, true};
    kept.erase(found);
  }
  DefinitionFile file = Parse(path);
  if (file.loaded)
    kept[path] = Kept{identity, qxml::ContentStamp(file.document.get()), file.document};
  return file;
}

}  // namespace modules
