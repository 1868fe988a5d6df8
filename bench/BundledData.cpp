#include "BundledData.h"

#include "com/Variant.h"
#include "modules/ComponentLocation.h"

namespace bench {

BundledData::BundledData()
    : messages_(std::make_shared<platform::RecordingMessages>()),
      previous_(platform::SetMessageService(messages_)) {
  modules::SetComponentModulePathForTesting(std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so");
  auto catalogue = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
  if (ok == VARIANT_TRUE) catalogue_ = catalogue;
}

BundledData::~BundledData() {
  catalogue_ = nullptr;
  modules::SetComponentModulePathForTesting("");
  platform::SetMessageService(previous_);
}

}  // namespace bench
