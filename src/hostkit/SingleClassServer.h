#pragma once

#include "com/ClassFactory.h"
#include "com/ServerRegistration.h"

// The four in-process server entry points of a tool-family library that serves
// one class, written out by one line in its entry-point file:
//
//   HOSTKIT_SINGLE_CLASS_SERVER(hostkit::UnitConverter, kConverter, "UnitManager.Converter",
//                               "Converter")
//
// The library registers itself under its own file, found from an address inside it.
#define HOSTKIT_SINGLE_CLASS_SERVER(Class, classId, progId, className)                           \
  namespace {                                                                                    \
  constexpr qcom::ServerClass kServedClasses[] = {{classId, progId, className}};                 \
  const char kLibraryAnchor = 0;                                                                 \
  }                                                                                              \
  extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(                   \
      REFCLSID clsid, REFIID riid, void** ppv) {                                                 \
    if (!ppv) return E_POINTER;                                                                  \
    *ppv = nullptr;                                                                              \
    if (!(clsid == classId)) return CLASS_E_CLASSNOTAVAILABLE;                                   \
    return qcom::Guarded(                                                                        \
        [&] { return qcom::Make<qcom::ClassFactory<Class>>()->QueryInterface(riid, ppv); });     \
  }                                                                                              \
  extern "C" __attribute__((visibility("default"))) HRESULT DllCanUnloadNow() {                  \
    return qcom::CanUnloadModule();                                                              \
  }                                                                                              \
  extern "C" __attribute__((visibility("default"))) HRESULT DllRegisterServer() {                \
    return qcom::Guarded([] {                                                                    \
      return qcom::RegisterServerClasses(kServedClasses, qcom::ModulePath(&kLibraryAnchor),      \
                                         nullptr);                                               \
    });                                                                                          \
  }                                                                                              \
  extern "C" __attribute__((visibility("default"))) HRESULT DllUnregisterServer() {              \
    return qcom::Guarded([] { return qcom::UnregisterServerClasses(kServedClasses, nullptr); }); \
  }
