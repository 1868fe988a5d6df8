// The document the window's edits go to: written after each change, named in
// the caption with a mark while a change is not written, and never given up
// without the user's word when it cannot be written.
#include <cctype>

#include "com/Boundary.h"
#include "com/Bstr.h"
#include "ui/frmMain.h"

namespace {

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void frmMain::SetStatus(std::string text, std::string action, std::string target) {
  status_ = {std::move(text), std::move(action)};
  statusTarget_ = std::move(target);
  Changed({ui::ViewPart::Status});
}

std::string frmMain::DocumentPath() const {
  qcom::Bstr path;
  if (!host_ || FAILED(host_->get_DocumentPath(path.out()))) return {};
  return path.utf8();
}

void frmMain::ShowCaption() {
  std::string caption = named_ ? userName_ : kDesignCaption;
  if (host_) caption = (unsaved_ ? "*" : "") + caption + " \u2013 " + FileNameOf(DocumentPath());
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed({ui::ViewPart::Caption});
}

void frmMain::ObjectChanged(const std::string& what) {
  unsaved_ = true;
  change_ = what;
  SetStatus(what);
  if (!host_) return;
  // Asked once when the document stops taking changes; each later change is
  // tried again quietly, and the caption keeps the mark until one is written.
  KeepChanges(false, !toldUnsaved_);
}

bool frmMain::SaveDocument(const std::string& path, std::string& problem) {
  qcom::Bstr answer;
  if (FAILED(host_->SaveDocument(qcom::Bstr(path).get(), answer.out())) && answer.utf8().empty())
    answer = qcom::Bstr("the host did not write it");
  problem = answer.utf8();
  auto told = [&](const std::string& text) {
    return change_.empty()
               ? std::string(1, static_cast<char>(std::toupper(text[0]))) + text.substr(1)
               : change_ + "; " + text;
  };
  if (problem.empty()) {
    unsaved_ = toldUnsaved_ = false;
    SetStatus(told("saved in " + DocumentPath()));
    change_.clear();
  } else {
    SetStatus(told("not saved: " + problem + "; the changes are kept in this window"));
  }
  ShowCaption();
  return problem.empty();
}

bool frmMain::KeepChanges(bool closing, bool ask) {
  if (!host_ || !unsaved_) return true;
  std::string problem;
  if (SaveDocument("", problem)) return true;
  if (!ask || !view_) return closing;
  for (;;) {
    toldUnsaved_ = true;
    const std::string question =
        "The changes are not saved: " + problem +
        ".\n\nThey are kept in this window until they are saved" +
        (closing ? ", or until you close it without them." : ". Try again, or save elsewhere.");
    switch (view_->AskAfterFailedSave(question, closing)) {
      case ui::SaveChoice::Retry:
        if (SaveDocument("", problem)) return true;
        break;
      case ui::SaveChoice::SaveElsewhere: {
        const std::string path = view_->ChooseFileToSave(DocumentPath());
        if (!path.empty() && SaveDocument(path, problem)) return true;
        break;
      }
      case ui::SaveChoice::Discard:
        if (!closing) break;
        host_->DiscardChanges();
        unsaved_ = false;
        SetStatus("Closed without the unsaved changes");
        return true;
      case ui::SaveChoice::KeepEditing:
        return false;
    }
  }
}
