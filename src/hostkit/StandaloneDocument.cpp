#include "hostkit/StandaloneDocument.h"

#include <QStandardPaths>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

namespace hostkit {

namespace {
std::string FileNameOf(std::string text) {
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || kForbidden.find(c) != std::string_view::npos)
      c = '_';
  return text;
}
}  // namespace

std::string StandaloneDocumentPath(const std::string& name, const std::string& date,
                                   std::string& error) {
  const std::string folder =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  if (folder.empty()) {
    error = "the user has no documents folder (HOME is not set)";
    return {};
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    error = "the documents folder " + folder + " cannot be made: " + ec.message();
    return {};
  }
  const std::string stem = FileNameOf(name.empty() ? date : name + " " + date);
  std::string path = folder + "/" + stem + ".pdf";
  for (int copy = 2; fs::exists(path, ec); ++copy)
    path = folder + "/" + stem + " (" + std::to_string(copy) + ").pdf";
  return path;
}

}  // namespace hostkit
