#pragma once

#include <string>

#include "faces/Points.h"
#include "points/CDBOutput.h"
#include "points/PointCollection.h"

// Own interface of CDBOutputs.
#define TQ_CDBOUTPUTS(GET, PUT, CALL, FUNC) GET(_NewEnum, IUnknown** enumerator)
struct _CDBOutputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "7FCF9E5D-3772-481D-9C1D-FD63EBF943C0");
  QCOM_MEMBERS(TQ_CDBOUTPUTS)

 protected:
  ~_CDBOutputs() = default;
};

// The outputs of an application object, keyed by name. An analog input's
// alarm status output sits before its value output and a counter's output
// after the counter of the next lower number, so the host lists them in that
// order. Every output added or removed is announced to the host's callback
// sinks, in the order they were registered.
class CDBOutputs final : public points::PointCollection<CDBOutput, IOutput, _CDBOutputs, IOutputs> {
 public:
  // Creates one output of a channel and announces it. Some names stand for a
  // pair of outputs: the call then rewrites `name` and `typeNumber` to what the
  // caller has to add next, and the caller calls again while `name` is not
  // empty. An output whose name is taken, or whose predecessor is missing,
  // stays out of the collection but is still announced and returned. Null
  // (and the texts untouched) for an empty name.
  qcom::ComPtr<CDBOutput> AddOutput(std::string& name, std::string& typeNumber, IDispatch* parent,
                                    IChannelLink* channel);
  // Gives the output named `name` (exact letter case) and every output after
  // it its 0-based position as Index.
  void Renumber(const std::string& name);
  // Removes and announces every output of the channel.
  void RemoveByChannel(IChannelLink* channel);
  // Removes and announces the first output, if any.
  void RemoveFirst();

 private:
  void AnnounceRemoved(const std::string& name);
};
