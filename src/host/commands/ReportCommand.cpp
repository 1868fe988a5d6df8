#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "com/Boundary.h"
#include "com/FileAccess.h"
#include "com/TextRules.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/session/ComponentSession.h"
#include "host/session/DocumentApplication.h"
#include "host/session/LockedProject.h"
#include "host/session/ProjectFile.h"

namespace host {

HRESULT DocumentApplication::get_OutputPath(BSTR* path) {
  return qcom::Guarded([&] { return qcom::ReturnText(outputPath_, path); });
}

namespace {

constexpr const char* kFormats[] = {".pdf", ".odt", ".html", ".htm"};

std::string Help() {
  return "usage: tqhost report FILE [--object N] -o OUT [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Writes the documentation report of the objects of the project FILE: the\n"
         "object's name and device parameters, and its DO, DI, AO and AI channels\n"
         "with their settings in words, made by the document component HZDoc.CDoc\n"
         "from its template TQ-EB. The format follows OUT's extension: .pdf (A4,\n"
         "page numbers), .odt (OpenDocument text) or .html. With one object (or\n"
         "--object N) the report goes to OUT; with several, each object's report\n"
         "goes to a file of its own, OUT's name followed by -1, -2, ... in file\n"
         "order (report.pdf: report-1.pdf, report-2.pdf). Each file written is\n"
         "printed on a line of its own. No viewer is opened.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions(
             {{"-o OUT", "the report file; its extension gives the format"},
              {"--object N", "only object N of the project, from 1 in file order"}}));
}

// OUT for the object at index among count reported objects.
std::string NumberedPath(const std::string& out, size_t index, size_t count) {
  if (count == 1) return out;
  std::filesystem::path path(out);
  const std::string stem = path.stem().string() + "-" + std::to_string(index + 1);
  return (path.parent_path() / (stem + path.extension().string())).string();
}

bool KnownFormat(const std::string& path) {
  const std::string extension = qcom::text::Lower(std::filesystem::path(path).extension().string());
  for (const char* format : kFormats)
    if (extension == format) return true;
  return false;
}

// Writes one object's report to out; on failure returns false with error set.
bool WriteReport(const PlacedObject& object, const std::string& out, std::string& error) {
  auto source = qcom::QueryAs<IReportSource>(object.get());
  if (!source) return error = "the object makes no report", false;
  auto application = qcom::Make<DocumentApplication>(out);
  qcom::ComPtr<IDispatch> document;
  HRESULT hr = source->GetDoc(application.get(), nullptr, document.put());
  if (FAILED(hr)) return error = "no report: " + LastErrorText(hr), false;
  auto report = qcom::QueryAs<IReportDocument>(document.get());
  if (!report)
    return error = "no report: the document component cannot open the template TQ-EB", false;
  qcom::Bstr where;  // empty: where the document application says
  hr = report->SaveAs(where.get());
  if (FAILED(hr))
    return error = "the report cannot be written to " + out + ": " + LastErrorText(hr), false;
  return true;
}

}  // namespace

int RunReport(const std::vector<std::string>& words) {
  Arguments args("report", words, {"-o", "--object", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("report", args, Help())) return *done;
  if (args.positional().size() != 1 || !args.value("-o"))
    return Fail("report", "expected a project file and -o OUT (see tqhost report --help)",
                kExitUsage);
  const std::string& path = args.positional()[0];
  const std::string out = *args.value("-o");
  if (!KnownFormat(out))
    return Fail("report", out + ": the format is given by the extension: .pdf, .odt or .html",
                kExitUsage);
  std::optional<size_t> only;
  if (auto number = args.value("--object")) {
    only = ParseObjectNumber(*number);
    if (!only) return Fail("report", "--object takes a number from 1, not " + *number, kExitUsage);
  }

  std::string error;
  ProjectFile project;
  if (!project.Read(path, error)) return Fail("report", error, kExitInput);
  qcom::KeepUnwritten(path);  // no report takes the place of the project
  const size_t count = project.entries().size();
  if (only && !HoldsObject(path, project, *only, error)) return Fail("report", error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("report", error, kExitInput);
  const size_t first = only ? *only - 1 : 0, last = only ? *only : count;
  for (size_t i = first; i < last; ++i) {
    auto object =
        LoadProjectObject(session, project, i, path, error, {.onLoss = OnLoss::kRefuseUnplaced});
    if (!object) return Fail("report", error, kExitInput);
    const std::string file = NumberedPath(out, i - first, last - first);
    if (!WriteReport(*object, file, error))
      return Fail("report", ObjectLabel(path, project, i) + ": " + error, kExitInput);
    std::printf("%s\n", file.c_str());
  }
  return kExitOk;
}

}  // namespace host
