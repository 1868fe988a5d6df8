#include "plugin/AppObjectFixture.h"

using AppObjectIdentity = AppObjectFixture;

TEST_F(AppObjectIdentity, FreshObjectAnswersTheFixedFigures) {
  EXPECT_EQ(Text(&CDBAppObject::get_MapTypMod), "000000");
  EXPECT_EQ(Get(&CDBAppObject::get_CDBDimension), 25);
  EXPECT_EQ(Get(&CDBAppObject::get_NodeType), 6);
  EXPECT_EQ(Get(&CDBAppObject::get_NumObjects), 1);
  EXPECT_EQ(Get(&CDBAppObject::get_InputWidth), 0);
  EXPECT_EQ(Get(&CDBAppObject::get_SDBDimension), 0);
  EXPECT_EQ(Get(&CDBAppObject::get_IsPlugInActive), VARIANT_FALSE);
  EXPECT_EQ(Get(&CDBAppObject::get_PlugInAvailable), VARIANT_TRUE);
  for (auto getter : {&CDBAppObject::get_IsDeviceDependent, &CDBAppObject::get_UsesDeviceClock,
                      &CDBAppObject::get_IsHidden, &CDBAppObject::get_IsVirtual})
    EXPECT_EQ(Get(getter), VARIANT_FALSE);
  EXPECT_EQ(Text(&CDBAppObject::get_IntelStream), "");
}

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
  auto path = [&](const char* in) {
    object->put_Path(qcom::Bstr(in).get());
    return Text(&CDBAppObject::get_Path);
  };
  EXPECT_EQ(path("C:\\Projects\\Plant\\ahu.qdb"), "C:\\Projects\\Plant\\");
  EXPECT_EQ(path("C:\\Projects\\Plant\\"), "C:\\Projects\\Plant\\");
  EXPECT_EQ(path("/home/eng/plant.qdb"), "/home/eng/");
  EXPECT_EQ(path("ahu.qdb"), "");

  auto width = [&](const char* name) {
    object->put_UserName(qcom::Bstr(name).get());
    return Get(&CDBAppObject::get_Width);
  };
  EXPECT_EQ(width(""), 5);
  EXPECT_EQ(width("AHU-1"), 10);
  EXPECT_EQ(width("Kälte"), 10);
  EXPECT_EQ(width("\xF0\x9F\x98\x80"), 7);  // one character outside the BMP is two units
}

TEST_F(AppObjectIdentity, TagStackPushesAndPops) {
  object->AddMapTypModTag("010203");
  object->AddMapTypModTag("040506");
  EXPECT_EQ(object->MapTypMod(), "040506");
  object->RemoveLastMapTypModTag();
  EXPECT_EQ(object->MapTypMod(), "010203");
  object->RemoveLastMapTypModTag();
  object->RemoveLastMapTypModTag();
  EXPECT_EQ(object->MapTypMod(), "") << "an empty stack gives an empty tag";
  object->RemoveLastMapTypModTag();  // popping an empty stack is harmless
  EXPECT_EQ(object->MapTypMod(), "");
}
