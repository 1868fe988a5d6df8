#include "host/XmlFiles.h"

#include "com/Variant.h"
#include "host/ComponentSession.h"

namespace host {

qcom::ComPtr<IXMLDOMDocument> LoadXmlFile(const std::string& path, std::string& error) {
  auto document = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  document->load(qcom::Variant(path).raw(), &ok);
  if (ok == VARIANT_TRUE) return document;
  qcom::ComPtr<IXMLDOMParseError> parseError;
  document->get_parseError(parseError.put());
  qcom::Bstr reason;
  LONG line = 0;
  if (parseError) {
    parseError->get_reason(reason.out());
    parseError->get_line(&line);
  }
  error = path + (line > 0 ? ": line " + std::to_string(line) : std::string()) + ": " + reason.utf8();
  return nullptr;
}

std::string BundledCatalogue() { return InstallFolder() + "/snvt/snvt.xml"; }

}  // namespace host
