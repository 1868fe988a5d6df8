#pragma once

#include <memory>

#include "com/ComPtr.h"
#include "platform/RecordingMessages.h"
#include "xml/Dom.h"

// The bundled data of the build tree, set up as a host sets it up before it
// places objects: the component's folder, the SNVT catalogue it hands to every
// object, and a message service that keeps whatever the component shows.
namespace bench {

class BundledData {
 public:
  // Points the component at the build tree's plugin folder and loads the
  // catalogue; Ready() says whether the catalogue could be read.
  BundledData();
  ~BundledData();
  BundledData(const BundledData&) = delete;
  BundledData& operator=(const BundledData&) = delete;

  bool Ready() const { return catalogue_ != nullptr; }
  IXMLDOMDocument* Catalogue() const { return catalogue_.get(); }
  // Messages the component raised so far (any message means a broken run).
  platform::RecordingMessages& Messages() const { return *messages_; }

 private:
  std::shared_ptr<platform::RecordingMessages> messages_;
  std::shared_ptr<platform::MessageService> previous_;
  qcom::ComPtr<IXMLDOMDocument> catalogue_;
};

}  // namespace bench
