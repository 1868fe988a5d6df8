#include "modules/DefinitionFiles.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "com/Bstr.h"
#include "support/TempDir.h"
#include "xml/Elements.h"

namespace {

using modules::LoadDefinitionFile;

std::string RootText(IXMLDOMDocument* document) {
  return qxml::Text(qxml::FirstMatch(document, "EB/Name").get()).value_or("?");
}

// Objects sharing the parsed files is the object's (ModuleSet).
TEST(DefinitionFiles, AnUnchangedFileIsParsedOnceAndAnyChangeIsReadAgain) {
  testing_support::TempDir dir;
  const std::string path = dir.Write("EB/EB.xml", "<EB><Name>first</Name></EB>");
  auto first = LoadDefinitionFile(path);
  ASSERT_TRUE(first.loaded);
  EXPECT_EQ(LoadDefinitionFile(path).document.get(), first.document.get());

  // The file replaced on disk (new inode and size) is read again.
  const std::string replacement = dir.Write("EB/new.xml", "<EB><Name>second one</Name></EB>");
  ASSERT_EQ(rename(replacement.c_str(), path.c_str()), 0);
  auto changed = LoadDefinitionFile(path);
  EXPECT_EQ(RootText(changed.document.get()), "second one");
  EXPECT_EQ(RootText(first.document.get()), "first") << "a holder of the old document keeps it";

  // A document someone wrote into is not handed out again.
  auto name = qxml::FirstMatch(changed.document.get(), "EB/Name");
  ASSERT_EQ(name->put_text(qcom::Bstr("edited").get()), S_OK);
  auto afterEdit = LoadDefinitionFile(path);
  EXPECT_NE(afterEdit.document.get(), changed.document.get());
  EXPECT_EQ(RootText(afterEdit.document.get()), "second one");

  // A failed load carries its parse error and is not kept: repaired, the file loads.
  dir.Write("EB/EB.xml", "<EB><Name>open</EB>");
  auto broken = LoadDefinitionFile(path);
  EXPECT_FALSE(broken.loaded);
  qcom::ComPtr<IXMLDOMParseError> error;
  ASSERT_EQ(broken.document->get_parseError(error.put()), S_OK);
  LONG code = 0;
  error->get_errorCode(&code);
  EXPECT_NE(code, 0);
  dir.Write("EB/EB.xml", "<EB><Name>fine</Name></EB>");
  EXPECT_EQ(RootText(LoadDefinitionFile(path).document.get()), "fine");
  EXPECT_FALSE(LoadDefinitionFile(dir / "missing.xml").loaded);
}

}  // namespace
