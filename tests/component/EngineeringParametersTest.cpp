// Parameters, the value check and the configuration tree as the engineering
// interface answers them: from the object, in the dialogs' words, the same in
// every locale.
#include <cstdio>
#include <cstdlib>
#include <map>

#include "com/ClassFactory.h"
#include "com/ErrorRecord.h"
#include "com/OutParam.h"
#include "component/EngineeringFixture.h"
#include "faces/UnitConverter.h"

namespace {

using Engineering = EngineeringFixture;

const char* const kLocales[] = {"C", "de_DE.UTF-8"};

// The facts of a parameter in getter order, for one comparison per parameter.
std::vector<std::string> Facts(IEngineeringParameter* p) {
  using P = IEngineeringParameter;
  std::vector<std::string> facts;
  for (auto getter : {&P::get_Path, &P::get_ChannelKind, &P::get_SnvtId, &P::get_SnvtName,
                      &P::get_Kind, &P::get_Unit, &P::get_TypeMin, &P::get_TypeMax, &P::get_Min,
                      &P::get_Max, &P::get_Default, &P::get_Value, &P::get_Refusal})
    facts.push_back(EngineeringFixture::Text(p, getter));
  facts.push_back(std::to_string(EngineeringFixture::Number(p, &P::get_Length)));
  qcom::ComPtr<IEngineeringList> members;
  p->get_Members(members.put());
  std::string list;
  LONG count = 0;
  members->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::Variant name;
    members->get_Item(qcom::Variant(int32_t{i}).raw(), name.out());
    list += EngineeringFixture::Answer([&](BSTR* key) { return members->get_Key(i, key); }) + "=" +
            name.text() + ";";
  }
  facts.push_back(list);
  return facts;
}

std::vector<std::string> TemplatesOf(IEngineeringList* list) {
  std::vector<std::string> templates;
  for (const auto& t : EngineeringFixture::Items<IModuleTemplate>(list))
    templates.push_back(
        EngineeringFixture::Text(t.get(), &IModuleTemplate::get_Id) + " " +
        std::to_string(EngineeringFixture::Number(t.get(), &IModuleTemplate::get_TargetSlot)) +
        " " + EngineeringFixture::Text(t.get(), &IModuleTemplate::get_Tag));
  return templates;
}

}  // namespace

TEST_F(Engineering, ParametersAreTheObjectsOwn) {
  const std::map<std::string, std::vector<std::string>> expected = {
      {"Priority",
       {"Priority", "", "7", "SNVT_char_ascii", "UnsignedNumeric", "", "0", "255", "1", "8", "4",
        "4", "", "1", ""}},
      {"DO_PulseTime",
       {"DO_PulseTime", "", "107", "SNVT_time_sec", "UnsignedNumeric", "sec", "0", "6553.4", "0.1",
        "25", "1", "1", "", "2", ""}},
      {"EB1/AI/2/sensortype",
       {"EB1/AI/2/sensortype", "AI", "1002", "TQ_sensor_type", "Enum", "", "", "", "", "", "1", "1",
        "", "1", "0=LINEAR;1=NI1000;2=NI1000_EXT;3=K47;4=PT1000;5=NI1000_LG;"}},
      {"EB1/AI/3/low_alarm_limit",
       {"EB1/AI/3/low_alarm_limit", "AI", "52", "SNVT_count_inc_f", "Float", "",
        "-340282000000000000000000000000000000000", "340282000000000000000000000000000000000",
        "-1000", "1000", "-50", "-50", "", "2", ""}},
      {"EB2/DI/8/PulsesPerCount",
       {"EB2/DI/8/PulsesPerCount", "DI", "8", "SNVT_count", "UnsignedNumeric", "", "0", "65535",
        "1", "10000", "1", "1", "", "2", ""}},
  };
  for (const char* locale : kLocales) {
    SCOPED_TRACE(locale);
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
    auto object = Object("EB4AI2AO,EB8DIC,EB4AO");
    qcom::ComPtr<IEngineeringList> all;
    ASSERT_EQ(object->get_Parameters(all.put()), S_OK);
    // 6 device parameters, 12 per AI, 1 per AO, 2 per counter DI.
    EXPECT_EQ(Number(all.get(), &IEngineeringList::get_Count), 6 + 4 * 12 + 2 + 8 * 2 + 4);
    EXPECT_EQ(Answer([&](BSTR* key) { return all->get_Key(7, key); }), "EB1/AI/1/sensortype");
    for (const auto& [path, facts] : expected) {
      qcom::Variant item;
      all->get_Item(qcom::Variant(path).raw(), item.out());
      auto listed = qcom::QueryAs<IEngineeringParameter>(item.object());
      ASSERT_TRUE(listed) << path;
      EXPECT_EQ(Facts(listed.get()), facts);
      qcom::ComPtr<IEngineeringParameter> found;
      object->get_Parameter(qcom::Bstr(path).get(), found.put());
      ASSERT_TRUE(found) << path;
      EXPECT_EQ(Facts(found.get()), facts);
    }
  }

  // Paths in an engineer's spelling, and why a path names nothing.
  auto object = Object("EB4AI2AO,EB8DIC,EB4AO");
  const std::pair<const char*, const char*> paths[] = {
      {"priority", "Priority"},
      {"eb01\\ai\\2\\SensorType", "EB1/AI/2/sensortype"},
      {"Nope",
       "no device parameter Nope; the device parameters are: R5_Address, Priority, "
       "Powerline_Freq, Behaviour_OnCommFailure, MaxTimeBetweenComm, DO_PulseTime"},
      {"EB4/AI/1/range", "the object has no module EB4 (it has 3)"},
      {"EB1/AI/5/range", "module EB1 (EB4AI2AO) has no AI 5 (it has 4)"},
      {"EB1/AO/1/gain", "EB1/AO/1 has no parameter gain; its parameters are: OutputMode"},
      {"EB1/XX/1/a", "EB1/XX/1/a: the channel kind is AI, AO, DI or DO"},
      {"X1/AI/1/a", "X1/AI/1/a: the module is written EB1, EB2, ..."},
      {"A/B",
       "A/B: a channel parameter is written MODULE/KIND/POSITION/NAME, e.g. EB1/AI/2/sensortype"},
  };
  for (const auto& [path, answer] : paths) {
    qcom::Bstr p(path);
    qcom::ComPtr<IEngineeringParameter> found;
    object->get_Parameter(p.get(), found.put());
    const std::string problem =
        Answer([&](BSTR* out) { return object->get_PathProblem(p.get(), out); });
    EXPECT_EQ(found ? Text(found.get(), &IEngineeringParameter::get_Path) : problem,
              std::string(answer));
    EXPECT_EQ(problem.empty(), static_cast<bool>(found)) << path;
  }
}

TEST_F(Engineering, TheValueCheckSpeaksTheDialogsWords) {
  const struct {
    const char* path;
    const char* text;
    const char* stored;
    const char* refusal;
  } cases[] = {
      {"Priority", "5 ", "5", ""},
      {"Priority", " +5", "5", ""},
      {"Priority", "5e0", "5", ""},
      {"Priority", "2.5", "2.5", "The value must be a whole number"},
      {"Priority", "200", "200", "The value is outside the limits of its definition: 1 to 8"},
      {"Priority", "300", "300", "The value is greater than 255"},
      {"Priority", "-1", "-1", "The value is less than 0"},
      {"Priority", "abc", "abc", "The value is not a number"},
      {"Priority", "1e400", "1e400", "The value is not a number"},
      {"DO_PulseTime", "1,5", "1.5", ""},
      {"DO_PulseTime", "0.05", "0.05", "The value can have at most 1 decimal"},
      {"DO_PulseTime", "30", "30", "The value is outside the limits of its definition: 0.1 to 25"},
      {"MaxTimeBetweenComm", "7000", "7000", "The value is greater than 6553.4"},
      {"EB1/AI/2/sensortype", "ni1000", "1", ""},
      {"EB1/AI/2/sensortype", " 4.0 ", "4", ""},
      {"EB1/AI/2/sensortype", "9", "9",
       "The value is none of the members of TQ_sensor_type: LINEAR (0), NI1000 (1), "
       "NI1000_EXT (2), K47 (3), PT1000 (4), NI1000_LG (5)"},
      {"EB2/DI/1/PulsesPerCount", "0", "0",
       "The value is outside the limits of its definition: 1 to 10000"},
      {"EB1/AI/1/linear_span", "1.50", "1.5", ""},
      {"EB1/AI/1/linear_span", "1e-7", "1E-07", ""},
      {"EB9/AI/1/range", "1", "1", "the object has no module EB9 (it has 2)"},
  };
  for (const char* locale : kLocales) {
    SCOPED_TRACE(locale);
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
    auto object = Object("EB4AI2AO,EB8DIC");
    for (const auto& c : cases)
      EXPECT_EQ(Check(object.get(), c.path, c.text), (Checked{c.stored, c.refusal, false}))
          << c.path << "=" << c.text;

    // SetValue stores what passes; a refusal only when forced.
    auto value = [&](const char* path) {
      qcom::ComPtr<IEngineeringParameter> parameter;
      object->get_Parameter(qcom::Bstr(path).get(), parameter.put());
      VARIANT_BOOL changed = VARIANT_FALSE;
      parameter->get_Changed(&changed);
      return Text(parameter.get(), &IEngineeringParameter::get_Value) + (changed ? " changed" : "");
    };
    EXPECT_FALSE(Check(object.get(), "Priority", "200", true).written);
    EXPECT_EQ(value("Priority"), "4");
    EXPECT_TRUE(Check(object.get(), "Priority", "200", true, true).written);
    EXPECT_EQ(value("Priority"), "200 changed");
    EXPECT_TRUE(Check(object.get(), "DO_PulseTime", "1,50", true).written);
    EXPECT_EQ(value("DO_PulseTime"), "1.5 changed");
    EXPECT_TRUE(Check(object.get(), "EB1/AI/2/sensortype", "pt1000", true).written);
    EXPECT_EQ(value("EB1/AI/2/sensortype"), "4 changed");
    EXPECT_TRUE(Check(object.get(), "Priority", "4.0", true).written);
    EXPECT_EQ(value("Priority"), "4");
    // The object keeps and saves its values with the user's separator, as always.
    auto saved = qxml::CreateDocument();
    qcom::QueryAs<IAppObject>(object.get())->XmlSave(saved.get(), saved.get());
    const bool comma = std::string(locale) != "C";
    EXPECT_EQ(qxml::TextOf(qxml::FirstMatch(saved.get(), "Attributes/DO_PulseTime").get()),
              comma ? "1,5" : "1.5");
  }
}

namespace {

// A unit service of its own: shows stored values ten times as large.
class TenfoldUnits final : public qcom::ComObject<IUnitConverter> {
 public:
  static std::string Text(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
  }
  static HRESULT Scaled(BSTR* in, BSTR* out, double factor) {
    return qcom::ReturnText(Text(std::strtod(qcom::BstrToUtf8(*in).c_str(), nullptr) * factor),
                            out);
  }
  HRESULT ToDisplay(BSTR*, BSTR* stored, BSTR* display) override {
    return Scaled(stored, display, 10);
  }
  HRESULT ToStored(BSTR*, BSTR* display, BSTR* stored) override {
    return Scaled(display, stored, 0.1);
  }
  HRESULT get_UnitSystem(LONG* system) override { return qcom::ReturnValue(system_, system); }
  HRESULT put_UnitSystem(LONG system) override {
    system_ = system;
    return S_OK;
  }
  HRESULT UnitName(BSTR*, BSTR* unit) override { return qcom::ReturnText("ds", unit); }
  HRESULT TextToNumber(BSTR* text, double* number) override {
    const std::string t = qcom::BstrToUtf8(*text);
    char* end = nullptr;
    *number = std::strtod(t.c_str(), &end);
    return end && *end == 0 && !t.empty() ? S_OK : E_INVALIDARG;
  }
  HRESULT DecimalCount(BSTR*, SHORT* decimals) override { return qcom::ReturnValue(0, decimals); }
  HRESULT DisplayMin(BSTR*, BSTR* min) override { return qcom::ReturnText("0", min); }
  HRESULT DisplayMax(BSTR*, BSTR* max) override { return qcom::ReturnText("65534", max); }
  HRESULT Resolution(BSTR*, BSTR* step) override { return qcom::ReturnText("1", step); }
  HRESULT InvalidValueText(BSTR*, BSTR* text) override { return qcom::ReturnText("", text); }
  HRESULT put_Catalogue(IXMLDOMDocument*) override { return S_OK; }

 private:
  LONG system_ = 0;
};

}  // namespace

// US customary input goes through the unit service, as the numeric dialog's does.
TEST_F(Engineering, UsUnitsGoThroughTheUnitService) {
  auto object = Object("EB4AI2AO");
  // Without a unit service a number in US units cannot be checked; a member can.
  qcom::ComPtr<IValueCheck> check;
  EXPECT_TRUE(FAILED(object->CheckValue(qcom::Bstr("MaxTimeBetweenComm").get(),
                                        qcom::Bstr("1").get(), kUnitsUS, check.put())));
  auto record = qcom::TakeErrorRecord();
  ASSERT_TRUE(record);
  EXPECT_EQ(
      record->description.rfind("the unit service UnitManager.Converter is not available: ", 0), 0u)
      << record->description;
  EXPECT_EQ(Check(object.get(), "EB1/AI/1/sensortype", "k47", false, false, kUnitsUS),
            (Checked{"3", "", false}));
  EXPECT_TRUE(FAILED(
      object->CheckValue(qcom::Bstr("Priority").get(), qcom::Bstr("1").get(), 7, check.put())));

  DWORD cookie = 0;
  ASSERT_EQ(
      qcom::RegisterClassObject(*qcom::GuidFromString("1F0D8E5B-7A33-4C1E-9E0B-5D2C6A4B3F10"),
                                "UnitManager.Converter",
                                qcom::Make<qcom::ClassFactory<TenfoldUnits>>().get(), &cookie),
      S_OK);
  const std::pair<const char*, Checked> cases[] = {
      {"1200", {"120", "", false}},
      {"700000", {"70000", "The value is greater than 65534", false}},
      {"7000", {"700", "The value is outside the limits of its definition: 10 to 6000", false}},
      {"x", {"x", "The value is not a number", false}},
  };
  for (const auto& [text, checked] : cases)
    EXPECT_EQ(Check(object.get(), "MaxTimeBetweenComm", text, false, false, kUnitsUS), checked)
        << text;
  CoRevokeClassObject(cookie);
}

TEST_F(Engineering, TemplatesFollowTheConfigurationTree) {
  auto empty = Object("");
  qcom::ComPtr<IEngineeringList> catalogue;
  ASSERT_EQ(empty->get_ModuleTemplates(catalogue.put()), S_OK);
  std::vector<std::string> counts;
  for (const auto& t : Items<IModuleTemplate>(catalogue.get())) {
    std::string line = Text(t.get(), &IModuleTemplate::get_Id) + ":";
    for (auto getter : {&IModuleTemplate::get_AICount, &IModuleTemplate::get_AOCount,
                        &IModuleTemplate::get_DICount, &IModuleTemplate::get_DOCount,
                        &IModuleTemplate::get_CounterCount})
      line += " " + std::to_string(Number(t.get(), getter));
    qcom::ComPtr<IEngineeringList> parameters;
    t->get_Parameters(parameters.put());
    line += " / " + std::to_string(Number(parameters.get(), &IEngineeringList::get_Count));
    counts.push_back(line);
  }
  EXPECT_EQ(counts, (std::vector<std::string>{"EB4AI2AO: 4 2 0 0 0 / 13", "EB4AO: 0 4 0 0 0 / 1",
                                              "EB4DI4DO: 0 0 4 4 0 / 2", "EB8DI: 0 0 8 0 0 / 1",
                                              "EB8DIC: 0 0 8 0 8 / 2", "EB8DO: 0 0 0 8 0 / 1"}));
  qcom::Variant counter;
  catalogue->get_Item(qcom::Variant("eb8dic").raw(), counter.out());
  qcom::ComPtr<IEngineeringList> parameters;
  qcom::QueryAs<IModuleTemplate>(counter.object())->get_Parameters(parameters.put());
  qcom::Variant pulses;
  parameters->get_Item(qcom::Variant("DI/PulsesPerCount").raw(), pulses.out());
  EXPECT_EQ(
      Facts(qcom::QueryAs<IEngineeringParameter>(pulses.object()).get()),
      (std::vector<std::string>{"DI/PulsesPerCount", "DI", "8", "SNVT_count", "UnsignedNumeric", "",
                                "0", "65535", "1", "10000", "1", "1", "", "2", ""}));

  const std::pair<const char*, std::vector<std::string>> chains[] = {
      {"",
       {"EB4AI2AO 1 010301", "EB4AO 1 010201", "EB8DI 1 010401", "EB8DIC 1 011401",
        "EB8DO 1 010801", "EB4DI4DO 1 010C01"}},
      {"eb8di", {"EB8DI 2 030402", "EB8DO 2 030802", "EB4AO 2 030202"}},
      {"EB4AI2AO, eb8dic", {"EB4AO 3 070203"}},
      {"EB4AI2AO,EB8DIC,EB4AO", {}},
      {"EB8DI,EB8DIC", {}},
      {"NOPE", {}},
  };
  for (const auto& [chain, next] : chains) {
    qcom::ComPtr<IEngineeringList> allowed;
    ASSERT_EQ(empty->get_NextTemplates(qcom::Bstr(chain).get(), allowed.put()), S_OK);
    EXPECT_EQ(TemplatesOf(allowed.get()), next) << chain;
    if (std::string(chain) == "NOPE") continue;
    // The templates the placed chain's object offers are the same.
    auto placed = Object(chain);
    qcom::ComPtr<IEngineeringList> addable;
    ASSERT_EQ(placed->get_AddableTemplates(addable.put()), S_OK);
    EXPECT_EQ(TemplatesOf(addable.get()), next) << chain;
  }

  // The SNVT types of the definition first, then the templates' others.
  qcom::ComPtr<IEngineeringList> types;
  ASSERT_EQ(empty->get_SnvtTypes(types.put()), S_OK);
  std::string used;
  for (const auto& type : Items<ISnvtUse>(types.get())) {
    VARIANT_BOOL inDefinition = VARIANT_FALSE;
    type->get_InDefinition(&inDefinition);
    used += Text(type.get(), &ISnvtUse::get_Id) + (inDefinition ? "d" : "") +
            std::to_string(Number(type.get(), &ISnvtUse::get_Entries)) + " ";
  }
  EXPECT_EQ(used.substr(0, used.find("1002")), "9d1 7d1 1000d1 1001d1 107d1 ");
  EXPECT_NE(used.find("1002"), std::string::npos) << used;
}
