// The configuration block the host downloads into the controller.
#include "com/Boundary.h"
#include "platform/MessageBox.h"
#include "plugin/CDBAppObject.h"
#include "plugin/StreamSections.h"

HRESULT CDBAppObject::get_Stream(BSTR* stream) {
  if (!stream) return E_POINTER;
  *stream = nullptr;
  return qcom::Guarded([&] {
    auto flags = plugin::ReadDeviceFlags(attributes_.get());
    if (!flags) {
      // The controller tools and the engineers match this exact text: keep the
      // spelling "lenght" and the three blanks after the comma.
      platform::ShowMessage("Error exporting the object: " + name_ +
                            ",   A possible error is the lenght of the object.");
      return qcom::ReturnText("", stream);
    }
    powerlineFreq_ = flags->powerlineFreq;
    behaviourOnCommFailure_ = flags->behaviourOnCommFailure;

    // Channel counts beyond 32 bits cannot come from real templates; the block
    // then carries no channel sections.
    const std::vector<plugin::ModuleCounts> placed = PlacedModules();
    const plugin::ChannelTotals totals =
        plugin::TotalChannels(placed).value_or(plugin::ChannelTotals{});
    const CDBEBModules* modules = modules_.get();

    std::string body = plugin::ChannelCountsHex(totals);
    body += plugin::DeviceRowsHex(attributes_.get(), MapTypMod(), *flags);
    body += plugin::InputReferencesHex(inputs_.get());
    if (totals.ai > 0) body += plugin::AnalogInputRowsHex(modules);
    if (totals.di > 0) body += plugin::DigitalInputBitmapsHex(modules);
    if (totals.counters > 0) body += plugin::CounterRowsHex(modules);
    if (totals.ao > 0) body += plugin::OutputModesHex(modules);
    if (totals.dO > 0) body += plugin::DigitalOutputBitmapsHex(modules);

    ddbLength_ = plugin::DdbDimension(fixedDDB_, fixedSHDB_, placed).value_or(0);
    cdbLength_ = plugin::ConfigurationLength(body).value_or(cdbLength_);
    lastStream_ = plugin::HeaderHex(id_, cdbLength_, ddbLength_) + body;
    return qcom::ReturnText(lastStream_, stream);
  });
}
