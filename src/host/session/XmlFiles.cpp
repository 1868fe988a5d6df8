#include "host/session/XmlFiles.h"

#include <cstdio>
#include <filesystem>

#include "com/ErrorRecord.h"
#include "com/FileAccess.h"
#include "com/Variant.h"
#include "host/session/ComponentSession.h"
#include "xml/Elements.h"
#include "xml/XmlCharacters.h"

namespace host {

namespace {

// Each child of an element that holds only elements and comments on its own
// line, so that people can read and compare project files.
void IndentDocument(IXMLDOMDocument* document) {
  if (qxml::ElementPtr root = qxml::RootOf(document)) qxml::IndentElements(root.get());
}

std::string WriteFailure(HRESULT hr, const std::string& path) {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::absolute(path, ec).parent_path();
  if (!std::filesystem::is_directory(folder, ec))
    return "cannot write " + path + ": the folder " + folder.string() + " does not exist";
  const std::string why = "cannot write " + path + ": " + LastErrorText(hr);
  // A refusal never touched the file; a failed write may have come half way.
  if (hr == E_ACCESSDENIED || hr == STG_E_SHAREVIOLATION) return why;
  return why + "; an existing file is left as it was";
}

}  // namespace

qcom::ComPtr<IXMLDOMDocument> LoadXmlFile(const std::string& path, std::string& error) {
  auto document = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  HRESULT hr = S_OK;
  if (path == kStandardInput) {
    // A script hands a project it has at hand without a file of its own.
    std::string text;
    if (!ReadTextInput(path, text, error)) return nullptr;
    hr = document->loadXML(qcom::Bstr(text).get(), &ok);
  } else {
    hr = document->load(qcom::Variant(path).raw(), &ok);
  }
  if (ok == VARIANT_TRUE) return document;
  if (FAILED(hr)) {
    // Not a parse error: the load itself failed (out of memory).
    error = path + ": " + LastErrorText(hr);
    return nullptr;
  }
  qcom::ComPtr<IXMLDOMParseError> parseError;
  document->get_parseError(parseError.put());
  qcom::Bstr reason;
  LONG line = 0, column = 0;
  if (parseError) {
    parseError->get_reason(reason.out());
    parseError->get_line(&line);
    parseError->get_linepos(&column);
  }
  std::string where;
  if (line > 0) where = ": line " + std::to_string(line) + ", column " + std::to_string(column);
  error = path + where + ": " + reason.utf8();
  return nullptr;
}

bool WriteXmlFile(IXMLDOMDocument* document, const std::string& path, std::string& error) {
  IndentDocument(document);
  qcom::ClearErrorRecord();
  HRESULT hr = document->save(qcom::Variant(path).raw());
  if (SUCCEEDED(hr)) return true;
  error = WriteFailure(hr, path);
  return false;
}

bool PrintXml(IXMLDOMDocument* document, std::string& error) {
  IndentDocument(document);
  std::optional<std::string> text = qxml::FileText(document);
  if (!text) {
    error = "cannot write to standard output: the document has no element";
    return false;
  }
  if (std::string problem = qxml::NonXmlCharacterProblem(*text); !problem.empty()) {
    error = "cannot write the project to standard output: " + problem;
    return false;
  }
  std::fwrite(text->data(), 1, text->size(), stdout);
  return true;
}

bool WriteTextOutput(const std::string& output, std::string_view text, std::string& error) {
  if (output == kStandardOutput) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return true;
  }
  qcom::ClearErrorRecord();
  HRESULT hr = qcom::ReplaceFile(output, text);
  if (SUCCEEDED(hr)) return true;
  error = WriteFailure(hr, output);
  return false;
}

bool ReadTextInput(const std::string& input, std::string& text, std::string& error) {
  if (input == kStandardOutput) {
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) text.append(buffer, n);
    if (!std::ferror(stdin)) return true;
    error = "cannot read standard input";
    return false;
  }
  std::string reason;
  if (SUCCEEDED(qcom::ReadWholeFile(input, text, reason))) {
    qcom::KeepUnwritten(input);  // what a command reads is never what it writes
    return true;
  }
  error = input + ": " + reason;
  return false;
}

}  // namespace host
