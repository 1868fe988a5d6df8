#include "hostkit/DocumentTemplate.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextFrame>
#include <vector>

#include "platform/Folders.h"

namespace hostkit {

namespace {
// An address inside the document component's library, to find its folder.
const char kAnchor = 0;

std::string TemplatesFolder() {
  return platform::ModuleFolder(&kAnchor) + "templates";
}

// The data-table number of each table of the file in the order the tables
// open (-1 for one without a number), comments left out as the reader does.
std::vector<int> TableNumbers(QString html) {
  static const QRegularExpression comment("<!--.*?-->",
                                          QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression table(R"(<table\b([^>]*)>)",
                                        QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression number(R"(\bdata-table\s*=\s*["']?\s*(\d{1,9})\b)",
                                         QRegularExpression::CaseInsensitiveOption);
  html.remove(comment);
  std::vector<int> numbers;
  for (const auto& open : table.globalMatch(html)) {
    const auto found = number.match(open.captured(1));
    numbers.push_back(found.hasMatch() ? found.captured(1).toInt() : -1);
  }
  return numbers;
}

// Every table of the frame and the frames inside it, in reading order.
void CollectTables(QTextFrame* frame, std::vector<QTextTable*>& tables) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) tables.push_back(table);
    CollectTables(child, tables);
  }
}
}  // namespace

bool LoadTemplate(const std::string& name, DocumentTemplate& loaded, std::string& error) {
  const std::string folder = TemplatesFolder();
  const bool plainName = !name.empty() && name.find_first_of("/\\*?") == std::string::npos;
  const std::string file = plainName ? platform::FirstMatch(folder, name + ".html") : "";
  if (file.empty()) {
    error = "there is no template '" + name + "' (" + folder + "/" + name + ".html)";
    return false;
  }
  const std::string path = folder + "/" + file;
  QFile source(QString::fromStdString(path));
  if (!source.open(QIODevice::ReadOnly)) {
    error = "the template " + path + " cannot be read: " + source.errorString().toStdString();
    return false;
  }
  const QString html = QString::fromUtf8(source.readAll());
  const std::vector<int> numbers = TableNumbers(html);
  auto document = std::make_unique<QTextDocument>();
  document->setHtml(html);
  std::vector<QTextTable*> tables;
  CollectTables(document->rootFrame(), tables);
  if (tables.size() != numbers.size()) {
    error = "the template " + path + " opens " + std::to_string(numbers.size()) +
            " tables, of which " + std::to_string(tables.size()) + " could be read";
    return false;
  }
  std::map<int, ReportTable> numbered;
  for (size_t i = 0; i < tables.size(); ++i) {
    if (numbers[i] < 0) continue;
    if (!numbered.emplace(numbers[i], ReportTable{tables[i], tables[i]->rows()}).second) {
      error = "the template " + path + " numbers two tables " + std::to_string(numbers[i]);
      return false;
    }
  }
  loaded = {std::move(document), std::move(numbered)};
  return true;
}

void FillField(QTextDocument& document, const QString& field, const QString& text) {
  const QString marker = "{{" + field + "}}";
  for (QTextCursor at = document.find(marker, 0, QTextDocument::FindCaseSensitively); !at.isNull();
       at = document.find(marker, at, QTextDocument::FindCaseSensitively))
    at.insertText(text);
}

}  // namespace hostkit
