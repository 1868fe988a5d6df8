#include "com/DispatchTable.h"

#include <string>

#include "com/TextRules.h"
#include "com/Utf.h"

namespace qcom {

namespace {

bool Answers(MemberKind kind, WORD flags) {
  switch (kind) {
    case MemberKind::Get:
      return flags & DISPATCH_PROPERTYGET;
    case MemberKind::Put:
      return flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    default:
      return flags & DISPATCH_METHOD;
  }
}

// A property put passes its value as the one named argument DISPID_PROPERTYPUT;
// nothing else takes named arguments.
HRESULT CheckNamedArguments(const DispatchMember& member, const DISPPARAMS& params) {
  if (member.kind != MemberKind::Put) return params.cNamedArgs ? DISP_E_NONAMEDARGS : S_OK;
  if (params.cNamedArgs == 0) return DISP_E_PARAMNOTOPTIONAL;
  if (params.cNamedArgs > 1 || params.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
    return DISP_E_NONAMEDARGS;
  return S_OK;
}

}  // namespace

void DispatchTable::Add(std::string_view name, MemberKind kind, unsigned arguments,
                        MemberInvoker invoke) {
  const DISPID line = static_cast<DISPID>(members_.size()) + 1;
  DISPID id = name == "Item" ? DISPID_VALUE : name == "_NewEnum" ? DISPID_NEWENUM : line;
  for (const DispatchMember& earlier : members_)
    if (text::EqualsNoCase(earlier.name, name)) {
      id = earlier.id;
      break;
    }
  members_.push_back({name, kind, id, arguments, invoke});
}

HRESULT DispatchTable::GetIDsOfNames(REFIID riid, char16_t** names, unsigned count,
                                     DISPID* ids) const {
  if (riid != GUID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!names || !ids) return E_POINTER;
  if (count == 0) return E_INVALIDARG;
  // The member's name, then names of parameters, which are not offered.
  for (unsigned i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  const std::string wanted = names[0] ? ToUtf8(names[0]) : std::string();
  for (const DispatchMember& member : members_)
    if (text::EqualsNoCase(member.name, wanted)) {
      ids[0] = member.id;
      break;
    }
  for (unsigned i = 0; i < count; ++i)
    if (ids[i] == DISPID_UNKNOWN) return DISP_E_UNKNOWNNAME;
  return S_OK;
}

const DispatchMember* DispatchTable::Find(DISPID id, WORD flags) const {
  for (const DispatchMember& member : members_)
    if (member.id == id && Answers(member.kind, flags)) return &member;
  return nullptr;
}

HRESULT DispatchTable::Invoke(void* face, DISPID id, REFIID riid, WORD flags, DISPPARAMS* params,
                              VARIANT* result, unsigned* argErr) const {
  if (riid != GUID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!params || (params->cArgs && !params->rgvarg) ||
      (params->cNamedArgs && !params->rgdispidNamedArgs) || params->cNamedArgs > params->cArgs)
    return E_INVALIDARG;
  const DispatchMember* member = Find(id, flags);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  if (HRESULT hr = CheckNamedArguments(*member, *params); FAILED(hr)) return hr;
  if (params->cArgs != member->arguments) return DISP_E_BADPARAMCOUNT;
  if (result) VariantInit(result);
  ArgumentFrame frame(*params, result, argErr);
  return member->invoke(face, frame);
}

}  // namespace qcom
