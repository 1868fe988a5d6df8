#pragma once

#include <memory>
#include <string>

#include "com/ComObject.h"
#include "faces/EditorHost.h"
#include "host/session/PlacedObject.h"
#include "host/session/ProjectFile.h"
#include "host/session/ProjectLock.h"

namespace host {

// The project tqhost edit has the editor window keep in step: the window
// (through IEditorHost, as its owner) has each change written at once, and
// may have the project written to another file, which is the project from
// then on. The project stays locked throughout, as set locks it; a file saved
// to elsewhere is locked before it is written. What the window was told not
// to keep is not written; anything else the project still lacks when the
// window is gone is written by Finish, and when the project cannot take it,
// into a file of its own, so that no edit is ever lost.
class EditedDocument final : public qcom::ComObject<IEditorHost> {
 public:
  EditedDocument(std::string path, ProjectFile& project, size_t index, PlacedObject& object,
                 std::unique_ptr<ProjectLock> lock);

  HRESULT get_DocumentPath(BSTR* path) override;
  HRESULT SaveDocument(BSTR path, BSTR* problem) override;
  HRESULT DiscardChanges() override;

  // The project as written last.
  const std::string& path() const { return path_; }
  // Whether the user closed the window without changes the project lacked.
  bool discarded() const { return discarded_; }
  // After the window is gone: writes what the project lacks, unless the user
  // discarded it. False with error set to one line when it could not go into
  // the project; kept then names the file that holds it instead (empty when
  // none could be written either).
  bool Finish(std::string& error, std::string& kept);

 private:
  // Writes the project with the object as it is now to path; empty or why not.
  std::string Write(const std::string& path);
  std::string ObjectText() const;

  std::string path_;
  ProjectFile& project_;
  size_t index_;
  PlacedObject& object_;
  std::unique_ptr<ProjectLock> lock_;
  std::string written_;  // the object as the project holds it
  bool discarded_ = false;
};

}  // namespace host
