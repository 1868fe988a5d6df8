#include "plugin/DatasheetSearch.h"

#include <map>
#include <optional>
#include <tuple>

#include "platform/FileIdentity.h"
#include "platform/Folders.h"

namespace plugin {
namespace {

std::string Search(const std::string& ownFolder, const std::string& sheets, const std::string& id) {
  std::string file = platform::FirstMatch(ownFolder, "*.pdf");
  if (file.empty()) file = platform::FirstMatch(ownFolder, "*.doc");
  if (!file.empty()) return ownFolder + file;
  if (id.empty()) return {};
  file = platform::FirstMatch(sheets, "pb_" + id + "_*.pdf");
  if (file.empty()) file = platform::FirstMatch(sheets, "pb_" + id + "_*.doc");
  return file.empty() ? std::string() : sheets + file;
}

struct Kept {
  std::optional<platform::FileIdentity> own, sheets;
  std::string path;
};

}  // namespace

std::string FindDatasheetPath(const std::string& base, const std::string& uniqueId,
                              const std::string& id) {
  static std::map<std::tuple<std::string, std::string, std::string>, Kept> kept;
  const std::string ownFolder = base + uniqueId + "/", sheets = base + "DataSheets/";
  const platform::FileState own = platform::ExamineFile(ownFolder),
                            sheetFolder = platform::ExamineFile(sheets);
  auto key = std::make_tuple(base, uniqueId, id);
  if (!own.keepable || !sheetFolder.keepable) {
    kept.erase(key);
    return Search(ownFolder, sheets, id);
  }
  auto found = kept.find(key);
  if (found != kept.end() && found->second.own == own.identity &&
      found->second.sheets == sheetFolder.identity)
    return found->second.path;
  std::string path = Search(ownFolder, sheets, id);
  kept[key] = Kept{own.identity, sheetFolder.identity, path};
  return path;
}

}  // namespace plugin
