#include "com/ClassObjectTable.h"

#include <mutex>
#include <string>
#include <vector>

#include "com/Boundary.h"
#include "com/ComPtr.h"
#include "com/ErrorRecord.h"
#include "com/TextRules.h"

namespace qcom {

namespace {

struct Offer {
  DWORD cookie;
  CLSID clsid;
  std::string progId;
  ComPtr<IUnknown> classObject;
};

struct Table {
  std::mutex mutex;
  std::vector<Offer> offers;  // the latest offer of a class wins
  DWORD nextCookie = 1;
};

Table& Offers() {
  static Table table;
  return table;
}

}  // namespace

HRESULT RegisterClassObject(REFCLSID clsid, std::string_view progId, IUnknown* classObject,
                            DWORD* cookie) {
  if (!classObject || !cookie)
    return RecordError(E_INVALIDARG, "qcom", "CoRegisterClassObject: no class object or no cookie");
  Table& table = Offers();
  std::lock_guard lock(table.mutex);
  *cookie = table.nextCookie++;
  table.offers.push_back({*cookie, clsid, std::string(progId), ComPtr<IUnknown>(classObject)});
  return S_OK;
}

IUnknown* OfferedClassObject(REFCLSID clsid) {
  Table& table = Offers();
  std::lock_guard lock(table.mutex);
  for (auto offer = table.offers.rbegin(); offer != table.offers.rend(); ++offer)
    if (offer->clsid == clsid) {
      offer->classObject->AddRef();
      return offer->classObject.get();
    }
  return nullptr;
}

std::optional<CLSID> OfferedProgId(std::string_view progId) {
  Table& table = Offers();
  std::lock_guard lock(table.mutex);
  for (auto offer = table.offers.rbegin(); offer != table.offers.rend(); ++offer)
    if (!offer->progId.empty() && text::EqualsNoCase(offer->progId, progId)) return offer->clsid;
  return std::nullopt;
}

HRESULT RevokeClassObject(DWORD cookie) {
  ComPtr<IUnknown> released;  // let go of after the lock: its release may create objects
  Table& table = Offers();
  std::lock_guard lock(table.mutex);
  for (auto offer = table.offers.begin(); offer != table.offers.end(); ++offer)
    if (offer->cookie == cookie) {
      released = std::move(offer->classObject);
      table.offers.erase(offer);
      return S_OK;
    }
  return CO_E_OBJNOTREG;
}

}  // namespace qcom

namespace qcom {

HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* classObject, DWORD, DWORD, DWORD* cookie) {
  return qcom::Guarded([&] { return qcom::RegisterClassObject(clsid, "", classObject, cookie); });
}

HRESULT CoRevokeClassObject(DWORD cookie) {
  return qcom::Guarded([&] { return qcom::RevokeClassObject(cookie); });
}
}  // namespace qcom
