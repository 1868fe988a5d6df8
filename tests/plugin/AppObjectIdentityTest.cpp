#include "plugin/AppObjectFixture.h"

using AppObjectIdentity = AppObjectFixture;

TEST_F(AppObjectIdentity, FreshObjectAnswersTheFixedFigures) {
  EXPECT_EQ(Text(&CDBAppObject::get_MapTypMod), "000000");
  LONG value = -1;
  object->get_NodeType(&value);
  EXPECT_EQ(value, 6);
  object->get_NumObjects(&value);
  EXPECT_EQ(value, 1);
  object->get_InputWidth(&value);
  EXPECT_EQ(value, 0);
  object->get_SDBDimension(&value);
  EXPECT_EQ(value, 0);
  object->get_CDBDimension(&value);
  EXPECT_EQ(value, 25);
  VARIANT_BOOL b = VARIANT_TRUE;
  object->get_IsPlugInActive(&b);
  EXPECT_EQ(b, VARIANT_FALSE);
  object->get_PlugInAvailable(&b);
  EXPECT_EQ(b, VARIANT_TRUE);
  for (auto getter : {&CDBAppObject::get_IsDeviceDependent, &CDBAppObject::get_UsesDeviceClock,
                      &CDBAppObject::get_IsHidden, &CDBAppObject::get_IsVirtual}) {
    b = VARIANT_TRUE;
    (object.get()->*getter)(&b);
    EXPECT_EQ(b, VARIANT_FALSE);
  }
  EXPECT_EQ(Text(&CDBAppObject::get_IntelStream), "");
  EXPECT_EQ(Text(&CDBAppObject::get_ProgrammaticId), "O_TQ4600.CAppObject");
}

TEST_F(AppObjectIdentity, ColourNamesAndNumbersFollowTheTable) {
  const std::pair<const char*, LONG> table[] = {{"RED", 255},         {"BLUE", 16711680},
                                                {"GREEN", 65280},     {"CYAN", 16776960},
                                                {"YELLOW", 65535},    {"MAGENTA", 16711935}};
  LONG color = -1;
  for (auto [name, number] : table) {
    object->put_Color(number);
    object->get_Color(&color);
    EXPECT_EQ(color, number) << name;
    qcom::Bstr lower(qcom::text::Lower(name));
    object->SetColor(lower.get());
    object->get_Color(&color);
    EXPECT_EQ(color, number) << "SetColor compares in upper case: " << name;
  }
  object->put_Color(12345);
  object->get_Color(&color);
  EXPECT_EQ(color, 0);
  qcom::Bstr pink("PINK");
  object->SetColor(pink.get());
  object->get_Color(&color);
  EXPECT_EQ(color, 0);
}

TEST_F(AppObjectIdentity, PathKeepsTheFolderAndWidthCountsUtf16Units) {
  auto path = [&](const char* in) {
    qcom::Bstr b(in);
    object->put_Path(b.get());
    return Text(&CDBAppObject::get_Path);
  };
  EXPECT_EQ(path("C:\\Projects\\Plant\\ahu.qdb"), "C:\\Projects\\Plant\\");
  EXPECT_EQ(path("C:\\Projects\\Plant\\"), "C:\\Projects\\Plant\\");
  EXPECT_EQ(path("/home/eng/plant.qdb"), "/home/eng/");
  EXPECT_EQ(path("ahu.qdb"), "");

  auto width = [&](const char* name) {
    qcom::Bstr b(name);
    object->put_UserName(b.get());
    LONG w = 0;
    object->get_Width(&w);
    return w;
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
