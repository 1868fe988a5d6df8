#pragma once

#include <string>
#include <string_view>

#include "com/ComPtr.h"
#include "xml/Dom.h"

namespace host {

// Loads an XML file; on failure returns null and sets error to one line naming
// the file, and for a parse error the line, the column and the parser's reason.
qcom::ComPtr<IXMLDOMDocument> LoadXmlFile(const std::string& path, std::string& error);

// Writes the document to path, indented two blanks per level so that people
// can read and compare project files. The file is replaced whole: the text goes
// to a new file beside it that is then renamed over it, so a failure leaves the
// old file (or none) in place. A symbolic link is followed and the file it
// names replaced; a folder, device, pipe or socket, or a file the user may
// not write, is refused and left as it is. The indentation becomes part of
// the document; write a document once. On failure returns false and sets
// error to one line.
bool WriteXmlFile(IXMLDOMDocument* document, const std::string& path, std::string& error);

// How an output option names standard output ("-o -").
constexpr const char* kStandardOutput = "-";
// A project read from standard input, by the commands that only read it.
constexpr const char* kStandardInput = "-";

// Prints the document as WriteXmlFile writes it to a file. Whether standard
// output took the text shows when tqhost flushes it at the end.
bool PrintXml(IXMLDOMDocument* document, std::string& error);

// Writes a text file as WriteXmlFile writes a document (replaced whole, the
// same refusals), or prints the text for "-".
bool WriteTextOutput(const std::string& output, std::string_view text, std::string& error);

// Reads a whole text file, or standard input for "-", and marks the file as an
// input no write replaces (see qcom::KeepUnwritten). False with error set to
// one line naming the file and why.
bool ReadTextInput(const std::string& input, std::string& text, std::string& error);

}  // namespace host
