#include <string>
#include <utility>
#include <vector>

#include "values/CDBSNVTType.h"
#include "values/CatalogueFixture.h"
#include "xml/Elements.h"

namespace {

using T = CDBSNVTType;
using Lines = std::vector<std::string>;

qcom::ComPtr<T> Load(const std::string& id) {
  auto type = qcom::Make<T>();
  type->LoadFromCatalogue(id);
  return type;
}

std::string Text(T& t, HRESULT (T::*getter)(BSTR*)) {
  qcom::Bstr text;
  (t.*getter)(text.out());
  return text.utf8();
}

}  // namespace

using SnvtType = CatalogueFixture;

TEST_F(SnvtType, KeptReadingsFollowTheCatalogueAndReplayTheirProblems) {
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><UNIT>m</UNIT></SNVT_3>)");
  // Every load reports the entry's problem, not only the one that read it.
  Load("3");
  auto second = Load("3");
  EXPECT_EQ(messages->Texts(),
            (Lines{"Error: SNVT_3 has a bad Length", "Error: SNVT_3 has a bad Length"}));
  // The length check looks at the object: a length it already had passes.
  second->SetLength(4);
  second->LoadFromCatalogue("3");
  EXPECT_EQ(messages->Texts().size(), 2u);

  // A change written into the catalogue is seen at the next load.
  auto unit = qxml::FirstMatch(values::Shared().snvtDocument.get(), "SNVTS/SNVT_3/UNIT");
  ASSERT_EQ(unit->put_text(qcom::Bstr("ft").get()), S_OK);
  EXPECT_EQ(Text(*Load("3"), &T::get_Units), "ft");
  messages->Clear();

  // So is another catalogue, and another decimal separator; only the first
  // separator changes, and a loaded type reports in the current one.
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><MIN>12.5</MIN><MAX>1,000.5</MAX>
                  <LENGTH>2</LENGTH></SNVT_3>)");
  EXPECT_EQ(Text(*Load("3"), &T::get_Units), "");
  UseSeparator(",");
  auto comma = Load("3");
  EXPECT_EQ(Text(*comma, &T::get_Min) + " " + Text(*comma, &T::get_Max), "12,5 1,000,5");
  UseSeparator(".");
  EXPECT_EQ(Text(*Load("3"), &T::get_Max), "1,000.5");
  EXPECT_EQ(Text(*comma, &T::get_Min), "12.5");
  EXPECT_TRUE(messages->Messages().empty());
}
