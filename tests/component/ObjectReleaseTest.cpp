// A host that releases an application object without calling Destroy (a crash
// path, a forgetful script) must not leak it: nothing the object made keeps it
// alive, the editor model and the host's sinks included.
#include <gtest/gtest.h>

#include <cstdlib>

#include "com/Bstr.h"
#include "com/Creation.h"
#include "com/Variant.h"
#include "faces/AppObject.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

TEST(ObjectRelease, AnObjectReleasedWithoutDestroyLeavesNothingBehind) {
  testing_support::TempDir dir;
  setenv("QORDB_REGISTRY", (dir / "registry.xml").c_str(), 1);
  ASSERT_EQ(qcom::RegisterServer(std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so", false),
            S_OK);
  CoFreeUnusedLibraries();
  ASSERT_EQ(qcom::LoadedLibraryCount(), 0u);
  const int32_t domObjects = qxml::LiveObjectCount();
  auto sink = qcom::Make<testing_support::RecordingSink>();
  {
    qcom::ComPtr<IAppObject> object;
    ASSERT_EQ(qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void()),
              S_OK);
    auto catalogue = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
    object->XmlSNVTDoc(catalogue.get());
    qcom::Variant code;
    object->Init(qcom::Bstr("TQ4600").get(), code.out(), &ok);
    ASSERT_EQ(ok, VARIANT_TRUE);
    object->Create();
    object->put_GlobalKey(qcom::Bstr("OBJ1").get());
    object->CallBack(sink.get());
    // Loading a saved element places its modules and opens the editor model.
    auto saved = qxml::CreateDocument();
    saved->loadXML(
        qcom::Bstr("<TQ4600><Modules><EB4AI2AO/><EB8DIC/><EB4AO/></Modules></TQ4600>").get(), &ok);
    ASSERT_EQ(object->XmlLoad(qxml::RootOf(saved.get()).get()), S_OK);
    VARIANT_BOOL active = VARIANT_FALSE;
    object->get_IsPlugInActive(&active);
    EXPECT_EQ(active, VARIANT_TRUE) << "the editor model is open";
    qcom::ComPtr<IInputs> inputs;
    object->get_Inputs(inputs.put());
    LONG count = 0;
    inputs->get_Count(&count);
    EXPECT_EQ(count, 6) << "the six analog outputs of the three modules";
    EXPECT_GT(sink->calls.size(), 10u);
  }
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), 0u) << "an object of the component is still alive";
  EXPECT_EQ(qxml::LiveObjectCount(), domObjects);
}
