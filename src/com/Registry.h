#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "com/Api.h"
#include "com/Guid.h"
#include "com/Types.h"

namespace qcom {

// A type library asked for by LIBID is not in the registry.
constexpr HRESULT TYPE_E_LIBNOTREGISTERED = MakeHresult(0x8002801D);

// One class an in-process server offers.
struct ClassRegistration {
  CLSID clsid;
  std::string progId;   // empty when the class has none
  std::string name;     // readable class name
  std::string library;  // absolute path of the shared object serving the class
  std::string threadingModel = "Apartment";
  std::string typeLib;  // braced LIBID text, or empty
};

struct TypeLibRegistration {
  GUID libid;
  std::string name;
  std::string version;
  std::string library;
};

// The file-based class registry: which shared object serves a CLSID, which class
// a ProgID names, and the type libraries. Every lookup reads the file afresh, so
// a registration made by another process is seen at once. Every update locks
// "<path>.lock", re-reads the file, applies the change and replaces the file in
// one rename, so readers never see a half-written registry and concurrent
// registrations from several processes all land.
//
// Failures leave one line in the per-thread error record naming the file and
// the problem; a corrupt file answers REGDB_E_READREGDB and is never
// overwritten, a failed write answers REGDB_E_WRITEREGDB.
class QCOM_API Registry {
 public:
  // $QORDB_REGISTRY if set and not empty, else $XDG_CONFIG_HOME/qordb/registry.xml,
  // else $HOME/.config/qordb/registry.xml.
  static std::string DefaultPath();
  // The folder of DefaultPath(): the user's configuration folder of the tool
  // family, where its other settings files live beside the registry.
  static std::string DefaultFolder();

  explicit Registry(std::string path = DefaultPath());

  const std::string& path() const { return path_; }

  // Adds or replaces the classes and the type library (may be null) in one update.
  // A ProgID is unique ignoring letter case: registering it for another class
  // takes it away from the class that held it.
  HRESULT Register(const std::vector<ClassRegistration>& classes,
                   const TypeLibRegistration* typeLib);
  // Removes the classes (with their ProgIDs) and the type library (may be null)
  // in one update. Entries that are not registered are ignored.
  HRESULT Unregister(const std::vector<CLSID>& clsids, const GUID* libid);

  // REGDB_E_CLASSNOTREG when the class is not registered.
  HRESULT FindClass(REFCLSID clsid, ClassRegistration& out) const;
  // ProgIDs compare ignoring letter case; CO_E_CLASSSTRING when unknown.
  HRESULT FindProgId(std::string_view progId, CLSID& out) const;
  // TYPE_E_LIBNOTREGISTERED when unknown.
  HRESULT FindTypeLib(const GUID& libid, TypeLibRegistration& out) const;
  // Every registered class, in the order of the file.
  HRESULT ListClasses(std::vector<ClassRegistration>& out) const;

 private:
  std::string path_;
};

}  // namespace qcom
