#pragma once

#include <string>

#include "com/ComObject.h"
#include "faces/Documentation.h"

// What tqhost hands the report as its document application: it keeps the
// report in the host's hands (the document component neither saves it in the
// user's documents folder nor opens a viewer) and names the file it goes to.
namespace host {

class DocumentApplication final : public qcom::ComObject<IDocumentApplication> {
 public:
  explicit DocumentApplication(std::string outputPath) : outputPath_(std::move(outputPath)) {}
  HRESULT get_OutputPath(BSTR* path) override;

 private:
  std::string outputPath_;
};

}  // namespace host
