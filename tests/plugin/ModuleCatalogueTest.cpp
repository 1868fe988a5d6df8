// The template catalogue read from the folders beside the component.
#include <filesystem>

#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "platform/Picture.h"
#include "platform/ResourceIcons.h"
#include "plugin/AppObjectFixture.h"

namespace {

std::string Template(const std::string& name, const std::string& body) {
  return "<EB><!-- header --><name>" + name + "</name><Description>about " + name +
         "</Description>" + body + "</EB>";
}

using ModuleCatalogue = AppObjectFixture;

}  // namespace

TEST_F(ModuleCatalogue, FoldersBecomeTemplatesExceptBinAndBrokenOnes) {
  dir.Write("O_TQ4600/Bin/Bin.xml", Template("never read", ""));
  dir.Write("O_TQ4600/bin/bin.xml", Template("lower-case bin", "<DI><Number>2</Number></DI>"));
  dir.Write("O_TQ4600/T1/T1.xml",
            Template("One",
                     "<AI><Number>2.5</Number></AI><AO><Number>3.5</Number></AO>"
                     "<DO><Number>1e30</Number></DO>"));
  dir.Write("O_TQ4600/T1/T1.ico", "not an icon");
  dir.Write("O_TQ4600/Empty/readme.txt", "no definition here");
  dir.Write("O_TQ4600/stray.xml", "<EB/>");

  auto catalogue = qcom::Make<CDBEBTemplates>();
  catalogue->Build();
  std::vector<std::string> ids;
  for (const auto& entry : catalogue->Items()) ids.push_back(entry.key);
  EXPECT_EQ(ids, (std::vector<std::string>{"bin", "T1"}));
  EXPECT_EQ(messages->Texts(),
            std::vector<std::string>{
                "Error: The object Empty is not available; Please verify its name."});

  auto t1 = catalogue->Item("t1");
  ASSERT_TRUE(t1);
  EXPECT_EQ(t1->NameText(), "One");
  EXPECT_EQ(t1->DescriptionText(), "about One");
  EXPECT_EQ(t1->AICount(), 2) << "2.5 rounds to even";
  EXPECT_EQ(t1->AOCount(), 4) << "3.5 rounds to even";
  EXPECT_EQ(t1->DOCount(), 0) << "a count beyond 32 bits is none";
  EXPECT_EQ(platform::PictureBytes(t1->Icon()),
            platform::PictureBytes(platform::LoadResourcePicture("EBMODULE").get()))
      << "an unreadable icon falls back to the module resource";
  EXPECT_EQ(catalogue->Item("2").get(), t1.get()) << "a number finds the template at that position";
}

TEST_F(ModuleCatalogue, ATemplateThatVanishedCannotBePlaced) {
  dir.Write("TQX/TQX.xml", "<AppObject><NAME>X</NAME></AppObject>");
  dir.Write("O_TQ4600/T1/T1.xml", Template("One", "<DO><Number>1</Number></DO>"));
  ASSERT_TRUE(Init("TQX"));
  object->Create();
  auto entry = object->ModuleTemplates()->Item("T1");
  ASSERT_TRUE(entry);
  std::filesystem::remove(dir / "O_TQ4600/T1/T1.xml");
  messages->Clear();
  EXPECT_FALSE(object->ModuleSet()->AddModule(entry.get()));
  EXPECT_EQ(messages->Messages(),
            (std::vector<platform::RecordedMessage>{
                {"Error: The object T1 is not available; Please verify its name.", 0, ""},
                {"The Object can not be added: Verify the resource used inside the Application!",
                 48, "Warning"}}));
  EXPECT_EQ(object->ModuleSet()->Count(), 0u);
  EXPECT_EQ(object->MapTypMod(), "000000");
}
