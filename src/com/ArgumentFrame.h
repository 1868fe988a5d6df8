#pragma once

#include "com/Api.h"
#include "com/Variant.h"

namespace qcom {

// The arguments of one late-bound call as a member's parameters see them:
// parameter positions count in declaration order, while DISPPARAMS holds the
// arguments last first. A failing argument is reported with its DISPPARAMS
// index in the caller's argErr.
class QCOM_API ArgumentFrame {
 public:
  ArgumentFrame(const DISPPARAMS& params, VARIANT* result, unsigned* argErr)
      : params_(params), result_(result), argErr_(argErr) {}

  // The argument of the parameter at position as type vt (VT_VARIANT: as given),
  // by-reference arguments read through their pointer.
  HRESULT Load(unsigned position, VARTYPE vt, VARIANT& value);
  // An object argument asked for iid; empty and null arguments give null.
  HRESULT LoadObject(unsigned position, REFIID iid, void** object);
  // Writes value back into a by-reference argument; other arguments stay as they are.
  HRESULT WriteBack(unsigned position, const VARIANT& value);
  // Hands the member's result to the caller, who may not want it; value is left empty.
  void Return(VARIANT& value);

 private:
  // The argument at position, read through a by-reference argument, in given.
  HRESULT Given(unsigned position, VARIANT& given);
  HRESULT Fail(unsigned position, HRESULT hr);
  unsigned IndexOf(unsigned position) const { return params_.cArgs - 1 - position; }

  const DISPPARAMS& params_;
  VARIANT* result_;
  unsigned* argErr_;
};

}  // namespace qcom
