#pragma once

#include "com/Bstr.h"
#include "com/Members.h"

namespace qcom {

// What a host that keeps the edited object in a document of its own (a
// project file) offers the object's editor window. The host hands it to
// IAppObject::Show as the owner window object; the window finds it there.
// The window then names the document in its caption, has the document follow
// each change the user makes, and lets the user retry, save elsewhere or
// knowingly discard when a change cannot be written. Without it the window
// keeps no document of its own and the host saves the object as it likes.
#define QORDB_IEDITORHOST(GET, PUT, CALL, FUNC)                                    \
  /* The document's file, as the caption and the messages name it. */              \
  GET(DocumentPath, BSTR* path)                                                    \
  /* Writes the object as it is now into the document, or with a path into that */ \
  /* file, which is the document from then on. problem is empty when it is     */  \
  /* written, else says in words why it is not.                                */  \
  FUNC(SaveDocument, BSTR path, BSTR* problem)                                     \
  /* The user closes the window without the changes the document lacks. */         \
  CALL(DiscardChanges)
struct IEditorHost : IDispatch {
  QCOM_IDENTITY(IDispatch, "412496E0-0996-4367-8AB3-42C8A68D393F");
  QCOM_MEMBERS(QORDB_IEDITORHOST)

 protected:
  ~IEditorHost() = default;
};

}  // namespace qcom
