// The configuration block the host downloads into the controller.
#include "com/Boundary.h"
#include "platform/MessageBox.h"
#include "plugin/CDBAppObject.h"
#include "plugin/StreamSections.h"

bool CDBAppObject::WriteStream(plugin::StreamWriter& out) {
  auto flags = plugin::ReadDeviceFlags(attributes_.get());
  if (!flags) {
    // The controller tools and the engineers match this exact text: keep the
    // spelling "lenght" and the three blanks after the comma.
    platform::ShowMessage("Error exporting the object: " + name_ +
                          ",   A possible error is the lenght of the object.");
    return false;
  }
  powerlineFreq_ = flags->powerlineFreq;
  behaviourOnCommFailure_ = flags->behaviourOnCommFailure;

  // Channel counts beyond 32 bits cannot come from real templates; the block
  // then carries no channel sections.
  const std::vector<plugin::ModuleCounts> placed = PlacedModules();
  const plugin::ChannelTotals totals =
      plugin::TotalChannels(placed).value_or(plugin::ChannelTotals{});
  const CDBEBModules* modules = modules_.get();

  plugin::WriteChannelCounts(out, totals);
  plugin::WriteDeviceRows(out, attributes_.get(), MapTypMod(), *flags, modules);
  plugin::WriteInputReferences(out, inputs_.get());
  if (totals.ai > 0) plugin::WriteAnalogInputRows(out, modules);
  if (totals.di > 0) plugin::WriteDigitalInputBitmaps(out, modules);
  if (totals.counters > 0) plugin::WriteCounterRows(out, modules);
  if (totals.ao > 0) plugin::WriteOutputModes(out, modules);
  if (totals.dO > 0) plugin::WriteDigitalOutputBitmaps(out, modules);

  ddbLength_ = plugin::DdbDimension(fixedDDB_, fixedSHDB_, placed).value_or(0);
  cdbLength_ = plugin::ConfigurationLength(out.Bytes()).value_or(cdbLength_);
  plugin::StreamWriter header(out.KeepsFields());
  plugin::WriteHeader(header, id_, cdbLength_, ddbLength_);
  out.Prepend(std::move(header));
  lastStream_ = out.Bytes();
  return true;
}

HRESULT CDBAppObject::get_Stream(BSTR* stream) {
  if (!stream) return E_POINTER;
  *stream = nullptr;
  return qcom::Guarded([&] {
    plugin::StreamWriter out(false);
    return qcom::ReturnText(WriteStream(out) ? lastStream_ : std::string(), stream);
  });
}
