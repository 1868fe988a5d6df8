#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "platform/Picture.h"
#include "xml/Dom.h"

namespace modules {

// What a module template's files say: its parsed definition, its icon, its
// name, description and channel counts. Read once for each unchanged pair of
// files and shared, unchanged, by every catalogue entry and placed module of
// the template in every object.
struct TemplateFacts {
  std::string id;
  // The template's folder, with a trailing "/".
  std::string folder;
  qcom::ComPtr<IXMLDOMDocument> document;
  qcom::ComPtr<IPicture> icon;
  std::string name;
  std::string description;
  int32_t aiCount = 0, aoCount = 0, diCount = 0, doCount = 0;
};

// The template in folder templateId beside the component; null when its
// definition file cannot be loaded (nothing is kept then: the next call tries
// again).
std::shared_ptr<const TemplateFacts> LoadTemplateFacts(const std::string& templateId);

// The template folders beside the component, as the folder lists them now
// (listed again only after the folder changed).
const std::vector<std::string>& TemplateFolders();

}  // namespace modules
