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
