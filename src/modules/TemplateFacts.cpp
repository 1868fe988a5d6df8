#include "modules/TemplateFacts.h"

#include <optional>
#include <unordered_map>

#include "com/TextRules.h"
#include "modules/ComponentLocation.h"
#include "modules/DefinitionFiles.h"
#include "platform/FileIdentity.h"
#include "platform/Folders.h"
#include "platform/ResourceIcons.h"
#include "values/NumberRules.h"
#include "xml/Elements.h"

namespace modules {
namespace {

int32_t CountOf(IXMLDOMDocument* document, const char* path) {
  auto text = qxml::Text(qxml::FirstMatch(document, path).get());
  if (!text) return 0;
  return values::RoundToInt32(values::PlainParse(*text)).value_or(0);
}

std::shared_ptr<const TemplateFacts> Read(const std::string& templateId, const std::string& folder,
                                          qcom::ComPtr<IXMLDOMDocument> document) {
  auto facts = std::make_shared<TemplateFacts>();
  facts->id = templateId;
  facts->folder = folder;
  facts->icon = platform::LoadPictureFromFile(folder + templateId + ".ico");
  if (!facts->icon) facts->icon = platform::LoadResourcePicture("EBMODULE");
  auto header = qxml::FirstMatch(document.get(), "EB");
  for (const auto& field : qxml::Fields(header.get())) {
    if (!field.text) continue;
    std::string name = qcom::text::Upper(field.name);
    if (name == "NAME")
      facts->name = *field.text;
    else if (name == "DESCRIPTION")
      facts->description = *field.text;
  }
  facts->diCount = CountOf(document.get(), "EB/DI/Number");
  facts->doCount = CountOf(document.get(), "EB/DO/Number");
  facts->aiCount = CountOf(document.get(), "EB/AI/Number");
  facts->aoCount = CountOf(document.get(), "EB/AO/Number");
  facts->document = std::move(document);
  return facts;
}

struct Kept {
  // The definition document the facts were read from (the kept parse of an
  // unchanged file) and the icon file's identity then.
  IXMLDOMDocument* document = nullptr;
  std::optional<platform::FileIdentity> icon;
  std::shared_ptr<const TemplateFacts> facts;
};

}  // namespace

std::shared_ptr<const TemplateFacts> LoadTemplateFacts(const std::string& templateId) {
  static std::unordered_map<std::string, Kept> kept;
  const std::string folder = ComponentFolder() + templateId + "/";
  auto file = LoadDefinitionFile(folder + templateId + ".xml");
  if (!file.loaded) {
    kept.erase(folder);
    return nullptr;
  }
  const platform::FileState icon = platform::ExamineFile(folder + templateId + ".ico");
  Kept& entry = kept[folder];
  if (!entry.facts || entry.document != file.document.get() || entry.icon != icon.identity ||
      !icon.keepable || entry.facts->id != templateId)
    entry = {file.document.get(), icon.identity, Read(templateId, folder, file.document)};
  return entry.facts;
}

const std::vector<std::string>& TemplateFolders() {
  static std::string listedFolder;
  static std::optional<platform::FileIdentity> listedIdentity;
  static std::vector<std::string> folders;
  const std::string folder = ComponentFolder();
  const platform::FileState state = platform::ExamineFile(folder);
  if (!state.identity || !state.keepable || folder != listedFolder ||
      state.identity != listedIdentity) {
    folders = platform::ListFolder(folder, "*", platform::EntryKind::Folders);
    listedFolder = folder;
    listedIdentity = state.identity;
  }
  return folders;
}

}  // namespace modules
