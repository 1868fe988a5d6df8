#include "host/ComponentSession.h"

#include <unistd.h>

#include <climits>
#include <filesystem>

#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/Registry.h"

namespace host {

namespace {
std::string ExecutableFolder() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  buf[n] = '\0';
  return std::filesystem::path(buf).parent_path().string();
}

}  // namespace

std::string LastErrorText(HRESULT hr) {
  if (auto record = qcom::TakeErrorRecord(); record && !record->description.empty())
    return record->description;
  return "error " + qcom::HresultText(hr);
}

std::string InstallFolder() {
  std::error_code ec;
  auto path = std::filesystem::weakly_canonical(std::filesystem::path(ExecutableFolder()) / "..", ec);
  return ec ? std::string() : path.string();
}

std::string BundledComponentPath() { return InstallFolder() + "/plugins/O_TQ4600/O_TQ4600.so"; }

std::string EnsureComponentRegistered() {
  std::string bundled = BundledComponentPath();
  if (bundled.empty() || !std::filesystem::exists(bundled)) return {};  // rely on the registry
  qcom::Registry registry;
  CLSID clsid{};
  qcom::ClassRegistration current;
  HRESULT hr = registry.FindProgId(kAppObjectProgId, clsid);
  if (SUCCEEDED(hr)) hr = registry.FindClass(clsid, current);
  if (SUCCEEDED(hr)) {
    std::error_code ec;
    if (std::filesystem::equivalent(current.library, bundled, ec)) return {};
  } else if (hr == REGDB_E_READREGDB) {
    return LastErrorText(hr);  // a corrupt registry is reported, never overwritten
  }
  hr = qcom::RegisterServer(bundled, false);
  if (FAILED(hr)) return "cannot register " + bundled + ": " + LastErrorText(hr);
  return {};
}

qcom::ComPtr<IAppObject> CreateAppObject(std::string& error) {
  qcom::ClearErrorRecord();
  qcom::ComPtr<IAppObject> object;
  HRESULT hr = qcom::CreateByProgId(kAppObjectProgId, IAppObject::iid, object.put_void());
  if (FAILED(hr) || !object) {
    error = LastErrorText(hr);
    return nullptr;
  }
  return object;
}

}  // namespace host
