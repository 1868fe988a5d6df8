#pragma once

#include <string>

#include "faces/Points.h"
#include "points/CDBInput.h"
#include "points/PointCollection.h"

// Default interface of CDBInputs: the collection is used through IInputs.
struct _CDBInputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "6DDF35E7-4B31-418D-B779-C154DE5B2B3B");

 protected:
  ~_CDBInputs() = default;
};

// The inputs of an application object, in creation order, keyed by name. It
// announces every input it adds or removes to the host's callback sinks, in
// the order they were registered.
class CDBInputs final : public points::PointCollection<CDBInput, IInput, _CDBInputs, IInputs> {
 public:
  // Creates the input `name` of a channel, accepting the SNVTs of the
  // ","-separated list `ids`, and announces it. Null, with nothing added or
  // announced, for an empty name, a name already taken or no channel.
  qcom::ComPtr<CDBInput> AddInput(const std::string& name, const std::string& ids,
                                  IDispatch* parent, IChannelLink* channel);
  // Removes and announces every input of the channel.
  void RemoveByChannel(IChannelLink* channel);
};
