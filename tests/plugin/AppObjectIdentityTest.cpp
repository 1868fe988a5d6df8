#include "plugin/AppObjectFixture.h"
#include "support/RecordingSink.h"

using AppObjectIdentity = AppObjectFixture;
using AppObjectCallbacks = AppObjectFixture;
using testing_support::RecordingSink;

TEST_F(AppObjectIdentity, ColourNamesAndNumbersFollowTheTable) {
  const std::pair<const char*, LONG> table[] = {{"RED", 255},      {"BLUE", 16711680},
                                                {"GREEN", 65280},  {"CYAN", 16776960},
                                                {"YELLOW", 65535}, {"MAGENTA", 16711935}};
  for (auto [name, number] : table) {
    object->put_Color(number);
    EXPECT_EQ(Get(&CDBAppObject::get_Color), number) << name;
    object->SetColor(qcom::Bstr(qcom::text::Lower(name)).get());
    EXPECT_EQ(Get(&CDBAppObject::get_Color), number) << "SetColor compares in upper case: " << name;
  }
  object->put_Color(12345);
  EXPECT_EQ(Get(&CDBAppObject::get_Color), 0);
  object->SetColor(qcom::Bstr("PINK").get());
  EXPECT_EQ(Get(&CDBAppObject::get_Color), 0);
}

TEST_F(AppObjectIdentity, PathKeepsTheFolderAndWidthCountsUtf16Units) {
  const std::pair<const char*, const char*> paths[] = {
      {"C:\\Projects\\Plant\\ahu.qdb", "C:\\Projects\\Plant\\"},
      {"C:\\Projects\\Plant\\", "C:\\Projects\\Plant\\"},
      {"/home/eng/plant.qdb", "/home/eng/"},
      {"ahu.qdb", ""}};
  for (auto [in, folder] : paths) {
    object->put_Path(qcom::Bstr(in).get());
    EXPECT_EQ(Text(*object, &CDBAppObject::get_Path), folder) << in;
  }
  // One character outside the BMP is two units.
  const std::pair<const char*, LONG> widths[] = {
      {"", 5}, {"AHU-1", 10}, {"Kälte", 10}, {"\xF0\x9F\x98\x80", 7}};
  for (auto [name, width] : widths) {
    object->put_UserName(qcom::Bstr(name).get());
    EXPECT_EQ(Get(&CDBAppObject::get_Width), width) << name;
  }
}
