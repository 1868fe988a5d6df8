#include "host/session/EditedDocument.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "com/Boundary.h"
#include "com/Bstr.h"

namespace host {

namespace {

// Where a project that cannot be written back keeps the edits: the user's
// data folder, under the project's name and the time.
std::string KeptPath(const std::string& path, std::string& error) {
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::filesystem::path folder;
  if (data && *data)
    folder = data;
  else if (home && *home)
    folder = std::filesystem::path(home) / ".local/share";
  else
    return error = "HOME is not set", std::string();
  folder /= "qordb/unsaved";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return error = "cannot make " + folder.string() + ": " + ec.message(), std::string();
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
  return (folder / (std::filesystem::path(path).stem().string() + "-" + stamp + ".xml")).string();
}

}  // namespace

EditedDocument::EditedDocument(std::string path, ProjectFile& project, size_t index,
                               PlacedObject& object, std::unique_ptr<ProjectLock> lock)
    : path_(std::move(path)),
      project_(project),
      index_(index),
      object_(object),
      lock_(std::move(lock)),
      written_(ObjectText()) {}

std::string EditedDocument::ObjectText() const {
  qcom::Bstr xml;
  if (auto element = object_.SavedElement()) element->get_xml(xml.out());
  return xml.utf8();
}

std::string EditedDocument::Write(const std::string& path) {
  // The stream first: the saved CDB is the stream of what is saved.
  if (object_.Stream().empty()) return "the object builds no configuration stream";
  project_.Replace(index_, object_);
  std::string error;
  if (!project_.Write(path, error)) return error;
  written_ = ObjectText();
  return {};
}

HRESULT EditedDocument::get_DocumentPath(BSTR* path) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(path_, ec);
  return qcom::ReturnText(ec ? path_ : absolute.lexically_normal().string(), path);
}

HRESULT EditedDocument::SaveDocument(BSTR path, BSTR* problem) {
  return qcom::Guarded([&] {
    const std::string target = qcom::BstrToUtf8(path);
    if (target.empty() || target == path_) return qcom::ReturnText(Write(path_), problem);
    // Another file becomes the project: it is locked before it is written,
    // and the old one is let go only once the new one holds the object.
    auto lock = std::make_unique<ProjectLock>("edit", 0);
    std::string error;
    if (!lock->Acquire(target, error)) return qcom::ReturnText(error, problem);
    if (std::string failed = Write(target); !failed.empty())
      return qcom::ReturnText(failed, problem);
    if (!lock->Held()) lock->Acquire(target, error);
    lock_ = std::move(lock);
    path_ = target;
    return qcom::ReturnText("", problem);
  });
}

HRESULT EditedDocument::DiscardChanges() {
  discarded_ = true;
  return S_OK;
}

bool EditedDocument::Finish(std::string& error, std::string& kept) {
  kept.clear();
  if (discarded_ || ObjectText() == written_) return true;
  error = Write(path_);
  if (error.empty()) return true;
  std::string why;
  const std::string elsewhere = KeptPath(path_, why);
  if (!elsewhere.empty()) why = Write(elsewhere);
  if (why.empty())
    kept = elsewhere;
  else
    error += "; the edits cannot be kept elsewhere either: " + why;
  return false;
}

}  // namespace host
