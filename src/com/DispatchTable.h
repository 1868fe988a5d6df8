#pragma once

#include <string_view>
#include <vector>

#include "com/Api.h"
#include "com/ArgumentFrame.h"
#include "com/Members.h"

namespace qcom {

// Calls one member on an interface pointer with the arguments of a frame.
using MemberInvoker = HRESULT (*)(void* face, ArgumentFrame& frame);

struct DispatchMember {
  std::string_view name;
  MemberKind kind;
  DISPID id;
  // How many arguments a call passes: the parameters less a received value.
  unsigned arguments;
  MemberInvoker invoke;
};

// The late-bound face of one dual interface: names, DISPIDs and invokers of its
// members in declaration order, the base interface's first. An empty table is
// the answer of an interface that offers no members by name.
class QCOM_API DispatchTable {
 public:
  // The next line of the declaration; its DISPID follows from the lines before.
  void Add(std::string_view name, MemberKind kind, unsigned arguments, MemberInvoker invoke);

  HRESULT GetIDsOfNames(REFIID riid, char16_t** names, unsigned count, DISPID* ids) const;
  // face is the interface pointer the invokers were made for.
  HRESULT Invoke(void* face, DISPID id, REFIID riid, WORD flags, DISPPARAMS* params,
                 VARIANT* result, unsigned* argErr) const;

  const std::vector<DispatchMember>& Members() const { return members_; }

 private:
  const DispatchMember* Find(DISPID id, WORD flags) const;

  std::vector<DispatchMember> members_;
};

}  // namespace qcom
