#include "host/session/ComponentSession.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/Registry.h"
#include "com/TextRules.h"
#include "com/Utf.h"
#include "host/commands/Commands.h"
#include "host/session/Answers.h"
#include "host/session/BundledFiles.h"
#include "host/session/TrustedLibrary.h"
#include "host/session/XmlFiles.h"

namespace host {

std::string LastErrorText(HRESULT hr) {
  std::string text = hr == E_OUTOFMEMORY ? "out of memory" : "error " + qcom::HresultText(hr);
  if (auto record = qcom::TakeErrorRecord(); record && !record->description.empty())
    text = record->description;
  // The registry is never overwritten while it cannot be read, so only the user can mend it.
  if (hr == REGDB_E_READREGDB)
    text += "; remove it and register the component libraries again (tqhost regsvr LIB)";
  return text;
}

std::vector<HelpRow> WithSessionOptions(std::vector<HelpRow> rows) {
  rows.push_back({"--plugins DIR",
                  "plug-in folder: use the component DIR/O_TQ4600/O_TQ4600.so\n"
                  "and the definitions beside it (default: the bundled plug-ins),\n"
                  "and the unit service DIR/UnitManager/UnitManager.so and the\n"
                  "document component DIR/HZDoc/HZDoc.so if they are there"});
  rows.push_back(
      {"--snvt FILE", "SNVT catalogue handed to each object\n(default: the bundled one)"});
  rows.push_back(HelpOptionRow());
  return rows;
}

std::string ComponentPathIn(const std::string& pluginsFolder) {
  return pluginsFolder + "/O_TQ4600/O_TQ4600.so";
}

std::string UnitServicePathIn(const std::string& pluginsFolder) {
  return pluginsFolder + "/UnitManager/UnitManager.so";
}

std::string DocumentComponentPathIn(const std::string& pluginsFolder) {
  return pluginsFolder + "/HZDoc/HZDoc.so";
}

std::string EnsureRegistered(const std::string& progId, const std::string& libraryPath) {
  qcom::Registry registry;
  CLSID clsid{};
  qcom::ClassRegistration current;
  HRESULT hr = registry.FindProgId(progId, clsid);
  if (SUCCEEDED(hr)) hr = registry.FindClass(clsid, current);
  const std::string writable = WritableByOthers(libraryPath);
  if (SUCCEEDED(hr)) {
    std::error_code ec;
    if (std::filesystem::equivalent(current.library, libraryPath, ec)) {
      // Registered on purpose (tqhost regsvr --force), yet never loaded without a word.
      if (!writable.empty())
        std::fprintf(stderr, "tqhost: warning: %s can be written by any user\n", writable.c_str());
      return {};
    }
  } else if (hr == REGDB_E_READREGDB) {
    return LastErrorText(hr);  // a corrupt registry is reported, never overwritten
  }
  if (!writable.empty()) return UntrustedLibrary(libraryPath, writable);
  hr = qcom::RegisterServer(libraryPath, false);
  if (FAILED(hr)) return "cannot register " + libraryPath + ": " + LastErrorText(hr);
  return {};
}

std::string EnsureComponentRegistered(const std::string& componentPath) {
  return EnsureRegistered(kAppObjectProgId, componentPath);
}

qcom::ComPtr<IAppObject> CreateAppObject(const std::string& progId, std::string& error) {
  qcom::ClearErrorRecord();
  qcom::ComPtr<IAppObject> object;
  HRESULT hr = qcom::CreateByProgId(progId, IAppObject::iid, object.put_void());
  if (FAILED(hr) || !object) {
    error = LastErrorText(hr);
    return nullptr;
  }
  return object;
}

qcom::ComPtr<IAppObject> ComponentSession::CreateObject(const std::string& progId,
                                                        std::string& error) const {
  if (auto kept = factories_.find(progId); kept != factories_.end()) {
    qcom::ComPtr<IAppObject> object;
    if (SUCCEEDED(kept->second->CreateInstance(nullptr, IAppObject::iid, object.put_void())) &&
        object)
      return object;
    factories_.erase(kept);  // asked again through the registry, which says why
  }
  qcom::ComPtr<IAppObject> object = CreateAppObject(progId, error);
  if (!object) return nullptr;
  CLSID clsid{};
  qcom::ComPtr<IClassFactory> factory;
  if (SUCCEEDED(CLSIDFromProgID(qcom::ToUtf16(progId).c_str(), &clsid)) &&
      SUCCEEDED(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IClassFactory::iid,
                                 factory.put_void())) &&
      factory)
    factories_[progId] = factory;
  return object;
}

bool ComponentSession::Open(const Arguments& args, std::string& error) {
  std::error_code ec;
  auto chosen = args.value("--plugins");
  pluginsFolder_ =
      chosen ? std::filesystem::absolute(*chosen, ec).string() : BundledPluginsFolder();
  std::string component = ComponentPathIn(pluginsFolder_);
  bool present = std::filesystem::is_regular_file(component, ec);
  if (chosen && !present) {
    error = "no component " + component;
    return false;
  }
  cataloguePath_ = args.value("--snvt").value_or(BundledCatalogue());
  catalogue_ = LoadXmlFile(cataloguePath_, error);
  if (!catalogue_) return false;
  // Without a bundled component the registry's registration is used as it is.
  if (present) error = EnsureComponentRegistered(component);
  if (!error.empty()) return false;
  // The same for the tool family's unit service and document component, which
  // the plug-in folder may leave to the bundled ones.
  for (auto [progId, pathIn] : {std::pair{kUnitServiceProgId, &UnitServicePathIn},
                                {kDocumentProgId, &DocumentComponentPathIn}}) {
    std::string library = pathIn(pluginsFolder_);
    if (!std::filesystem::is_regular_file(library, ec)) library = pathIn(BundledPluginsFolder());
    if (std::filesystem::is_regular_file(library, ec)) error = EnsureRegistered(progId, library);
    if (!error.empty()) return false;
  }
  return true;
}

bool ComponentSession::ServesType(const std::string& type, IEngineering* engineering,
                                  std::string& error) const {
  auto [unserved, fresh] = unserved_.try_emplace(type);
  if (fresh && engineering) {
    std::vector<std::string> used;
    bool defined = false;
    for (const auto& use : ListOf<ISnvtUse>(engineering, &IEngineering::get_SnvtTypes)) {
      if (!FlagOf(use.get(), &ISnvtUse::get_InDefinition)) continue;
      used.push_back("SNVT_" + TextOf(use.get(), &ISnvtUse::get_Id));
      defined = defined || NumberOf(use.get(), &ISnvtUse::get_Entries) > 0;
    }
    if (!defined && !used.empty())
      unserved->second = "the SNVT catalogue " + cataloguePath_ +
                         " defines none of the SNVT types of the " + type + " definition (" +
                         JoinNames(used, ", ") + ")";
  }
  error = unserved->second;
  return error.empty();
}

const std::vector<std::string>& ComponentSession::TemplateIds(IEngineering* engineering) const {
  if (!templateIds_) {
    templateIds_.emplace();
    for (const auto& entry :
         ListOf<IModuleTemplate>(engineering, &IEngineering::get_ModuleTemplates))
      templateIds_->push_back(TextOf(entry.get(), &IModuleTemplate::get_Id));
    std::sort(templateIds_->begin(), templateIds_->end());
  }
  return *templateIds_;
}

}  // namespace host
