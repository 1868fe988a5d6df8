#pragma once

#include <cstdint>

namespace qcom {

// The scalar types and status codes of the COM ABI, with their Windows widths:
// a COM "long" is 32 bits on every platform.
using HRESULT = int32_t;
using ULONG = uint32_t;
using LONG = int32_t;
using DWORD = uint32_t;
using WORD = uint16_t;
using BYTE = uint8_t;
using SHORT = int16_t;
using DISPID = int32_t;
using LCID = uint32_t;
using VARTYPE = uint16_t;

// A flag at the interfaces: 16 bits like SHORT, but a type of its own, so that
// automation tells a flag (VT_BOOL) from a number (VT_I2) by the member's signature.
enum VARIANT_BOOL : int16_t { VARIANT_FALSE = 0, VARIANT_TRUE = -1 };

constexpr HRESULT MakeHresult(uint32_t value) {
  return static_cast<HRESULT>(value);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHresult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeHresult(0x80004002);
constexpr HRESULT E_POINTER = MakeHresult(0x80004003);
constexpr HRESULT E_ABORT = MakeHresult(0x80004004);
constexpr HRESULT E_FAIL = MakeHresult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeHresult(0x8000FFFF);
constexpr HRESULT E_ACCESSDENIED = MakeHresult(0x80070005);
constexpr HRESULT E_OUTOFMEMORY = MakeHresult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeHresult(0x80070057);
constexpr HRESULT DISP_E_UNKNOWNINTERFACE = MakeHresult(0x80020001);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = MakeHresult(0x80020003);
constexpr HRESULT DISP_E_PARAMNOTFOUND = MakeHresult(0x80020004);
constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHresult(0x80020005);
constexpr HRESULT DISP_E_UNKNOWNNAME = MakeHresult(0x80020006);
constexpr HRESULT DISP_E_NONAMEDARGS = MakeHresult(0x80020007);
constexpr HRESULT DISP_E_OVERFLOW = MakeHresult(0x8002000A);
constexpr HRESULT DISP_E_BADINDEX = MakeHresult(0x8002000B);
constexpr HRESULT DISP_E_BADPARAMCOUNT = MakeHresult(0x8002000E);
constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = MakeHresult(0x8002000F);
constexpr HRESULT CLASS_E_NOAGGREGATION = MakeHresult(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = MakeHresult(0x80040111);
constexpr HRESULT REGDB_E_READREGDB = MakeHresult(0x80040150);
constexpr HRESULT REGDB_E_WRITEREGDB = MakeHresult(0x80040151);
constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHresult(0x80040154);
constexpr HRESULT CO_E_OBJNOTREG = MakeHresult(0x800401FB);
constexpr HRESULT CO_E_CLASSSTRING = MakeHresult(0x800401F3);
constexpr HRESULT CO_E_DLLNOTFOUND = MakeHresult(0x8004F002);
constexpr HRESULT CO_E_ERRORINDLL = MakeHresult(0x800401F9);
constexpr HRESULT SELFREG_E_CLASS = MakeHresult(0x80040201);
// The object definition could not be loaded (recorded by the application object).
constexpr HRESULT QORDB_E_DEFINITION = MakeHresult(0x80040201);
constexpr HRESULT STG_E_FILENOTFOUND = MakeHresult(0x80030002);
// A write refused because its target is one of the files the command reads.
constexpr HRESULT STG_E_SHAREVIOLATION = MakeHresult(0x80030020);
constexpr HRESULT XML_E_PARSE = MakeHresult(0xC00CE500);

constexpr bool SUCCEEDED(HRESULT hr) {
  return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
  return hr < 0;
}

constexpr VARIANT_BOOL ToVariantBool(bool b) {
  return b ? VARIANT_TRUE : VARIANT_FALSE;
}

// Class context flags accepted by creation; only in-process servers exist here.
constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

}  // namespace qcom

// The system's own code names these types and codes as the platform it came
// from does, without a prefix; a host that wants the same defines
// QCOM_GLOBAL_NAMES before it includes any header of the SDK. Otherwise the
// SDK declares nothing outside its namespaces, so it sits beside any other
// headers a host includes.
#ifdef QCOM_GLOBAL_NAMES
using namespace qcom;
#endif
