#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/ComponentSession.h"
#include "host/ParameterAssignment.h"
#include "host/ParameterDefinitions.h"
#include "host/PlacedObject.h"

// The current values of a placed object's parameters, as get and export show
// them: the object's parameters (see ObjectParameters), each with its
// definition.
namespace host {

struct ParameterValue {
  // The parameter's name as set takes it (Priority, EB1/AI/2/sensortype),
  // with its current value as stored.
  ParameterAssignment address;
  // Nothing for a channel parameter its module's template does not define.
  std::optional<ParameterDefinition> definition;

  std::string unit() const { return definition && definition->type ? definition->type->unit : ""; }
  // Whether the value is not the default (numbers compared as numbers).
  bool Changed() const;
};

std::vector<ParameterValue> ReadParameterValues(const ComponentSession& session,
                                                const PlacedObject& object);

// The value of that name (as set takes it) among the values; null when none.
const ParameterValue* FindValue(const std::vector<ParameterValue>& values,
                                const ParameterAssignment& address);

// Why the object has none of the values of that name, with the names there are.
std::string NoSuchParameter(const std::vector<ParameterValue>& values, const PlacedObject& object,
                            const ParameterAssignment& address);

}  // namespace host
