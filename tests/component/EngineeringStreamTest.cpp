// The stream taken apart by the engineering interface: its fields are the
// stream, and each reads back as the bytes carry it, in every locale.
#include <regex>

#include "component/EngineeringFixture.h"
#include "support/LateBound.h"

namespace {

using StreamFields = EngineeringFixture;

const char* const kLocales[] = {"C", "de_DE.UTF-8"};

}  // namespace

TEST_F(StreamFields, TheFieldsAreTheStreamAndReadBackAsStored) {
  std::vector<FieldRow> first;
  for (const char* locale : kLocales) {
    SCOPED_TRACE(locale);
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
    auto demo = Object("EB4AI2AO,EB8DIC,EB4AO");
    for (const char* assignment :
         {"Priority=2", "Behaviour_OnCommFailure=1", "MaxTimeBetweenComm=120",
          "EB1/AI/2/sensortype=0", "EB1/AI/2/range=1", "EB1/AI/2/linear_span=1.5",
          "EB2/DI/1/PulsesPerCount=10", "EB3/AO/4/OutputMode=3", "DO_PulseTime=0.5"}) {
      const std::string text = assignment;
      const size_t equals = text.find('=');
      EXPECT_EQ(Check(demo.get(), text.substr(0, equals), text.substr(equals + 1), true),
                (Checked{text.substr(equals + 1), "", true}));
    }
    auto explained = Explain(demo.get());
    const std::vector<FieldRow> rows = FieldRows(explained.get());
    std::string joined;
    for (const FieldRow& row : rows) {
      EXPECT_EQ(row.offset, static_cast<LONG>(joined.size() / 2)) << row.name;
      EXPECT_EQ(std::pair(row.flags, row.note), std::pair(LONG{0}, std::string())) << row.name;
      joined += row.hex;
    }
    EXPECT_EQ(joined, Stream(demo.get()));
    EXPECT_EQ(Number(explained.get(), &IStreamExplanation::get_Bytes), 121);
    EXPECT_EQ(Number(explained.get(), &IStreamExplanation::get_PromisedBytes), 121);
    EXPECT_EQ(Text(explained.get(), &IStreamExplanation::get_Malformed), "");
    // What explain prints of some, and every typed value reads back as stored.
    const FieldRow expected[] = {
        {1, "11F8", "header", "object ID", "4600", "4600", 0, ""},
        {12, "02", "device", "Priority", "2", "2", 0, ""},
        {15, "070203", "device", "tag of the last module", "EB4AO in slot 3", "070203", 0, ""},
        {19, "04B0", "device", "MaxTimeBetweenComm", "120 sec", "120 sec", 0, ""},
        {21, "0005", "device", "DO_PulseTime", "0.5 sec", "0.5 sec", 0, ""},
        {59, "00", "AI", "EB1/AI/2/sensortype", "0 (LINEAR)", "0 (LINEAR)", 0, ""},
        {60, "81", "AI", "EB1/AI/2/range,suppression,square_root,alarm,unit_of_measure",
         "1 0 0 0 1", "129", 0, ""},
        {71, "1600", "AI", "EB1/AI/2/linear_span", "1.5", "1.5", 0, ""},
        {102, "FF", "DI bitmaps", "DI bitmap of slot 2", "255", "255", 0, ""},
        {103, "000A", "counters", "EB2/DI/1/PulsesPerCount", "10", "10", 0, ""},
        {119, "00C0", "AO modes", "AO output modes, 2 bits each", "192", "192", 0, ""}};
    for (const FieldRow& row : expected) EXPECT_EQ(FieldNamed(rows, row.name), row);
    for (const FieldRow& row : rows) {
      if (row.row == "AI" && row.name.find(',') == std::string::npos) {
        EXPECT_EQ(row.readBack, row.stored) << row.name;
      }
    }
    if (first.empty())
      first = rows;
    else
      EXPECT_EQ(rows, first) << "the same answers in every locale";
  }

  // By name, as a script asks.
  using testing_support::CallByName;
  using testing_support::kGet;
  auto demo = Object("EB4AI2AO");
  auto explained = CallByName(demo.get(), "ExplainStream", kGet);
  ASSERT_EQ(std::pair(explained.hr, explained.result.type()),
            std::pair(S_OK, VARTYPE{VT_DISPATCH}));
  auto* explanation = explained.result.raw().pdispVal;
  EXPECT_EQ(CallByName(explanation, "Stream", kGet).text(), Stream(demo.get()));
  auto fields = CallByName(explanation, "Fields", kGet).result;
  auto priority = CallByName(fields.raw().pdispVal, "Item", kGet, {"priority"}).result;
  EXPECT_EQ(CallByName(priority.raw().pdispVal, "Hex", kGet).text(), "04");
}

// Bitmap and mode terms that are negative, overflow or are no number: every
// row is written, with the bytes ByteToHex and WordToHex make of the sum.
TEST_F(StreamFields, EveryBitmapRowIsWrittenWhateverItsTerms) {
  struct Case {
    std::string chain;
    std::vector<std::pair<std::string, std::string>> values;  // forced first values
    std::vector<FieldRow> rows;                               // of the bitmaps and modes
  };
  const LONG leftOut = kStreamFieldTermLeftOut;
  const std::string termNote = "a term is not a number, left out";
  const Case cases[] = {
      // DIs 0-3 and DOs 4-7 in slot 1, DIs 8-11 and DOs 12-15 in slot 2.
      {"EB4DI4DO,EB4DI4DO",
       {{"EB1/DI/1/ContactType", "-1"},
        {"EB2/DI/1/ContactType", "1e400"},
        {"EB2/DI/2/ContactType", "1"},
        {"EB2/DI/3/ContactType", "on"},
        {"EB1/DO/1/ContactType", "1e12"},
        {"EB2/DO/1/ContactType", "-3"}},
       {{0, "FF", "DI bitmaps", "DI bitmap of slot 1", "-1", "255", kStreamFieldChanged, "changed"},
        {0, "02", "DI bitmaps", "DI bitmap of slot 2", "2", "2", leftOut, termNote},
        {0, "FF", "DO bitmaps", "DO bitmap of slot 1", "16000000000000", "255", kStreamFieldClamped,
         "clamped"},
        {0, "D0", "DO bitmaps", "DO bitmap of slot 2", "-48", "208", kStreamFieldChanged,
         "changed"}}},
      // AOs 0-3 in slot 1 (two bits each), DOs 8-15 in slot 2.
      {"EB4AO,EB8DO",
       {{"EB1/AO/1/OutputMode", "-1"},
        {"EB1/AO/2/OutputMode", "2"},
        {"EB1/AO/3/OutputMode", "inf"},
        {"EB1/AO/4/OutputMode", "1e308"},
        {"EB2/DO/1/ContactType", "0.5"}},
       {{0, "0007", "AO modes", "AO output modes, 2 bits each", "7", "7", leftOut, termNote},
        {0, "00", "DO bitmaps", "DO bitmap of slot 1", "0", "0", 0, ""},
        {0, "00", "DO bitmaps", "DO bitmap of slot 2", "0.5", "0", kStreamFieldRounded,
         "rounded"}}},
  };
  for (const char* locale : kLocales) {
    ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.chain + " " + locale);
      auto object = Object(c.chain);
      for (const auto& [path, value] : c.values) Force(object.get(), path, value);
      auto explained = Explain(object.get());
      std::vector<FieldRow> rows = FieldRows(explained.get());
      const std::string stream = Stream(object.get());
      std::vector<FieldRow> sums;
      for (FieldRow& row : rows) {
        EXPECT_EQ(stream.substr(2 * static_cast<size_t>(row.offset), row.hex.size()), row.hex);
        if (row.row.find("bitmaps") != std::string::npos || row.row == "AO modes") {
          row.offset = 0;
          sums.push_back(row);
        }
      }
      EXPECT_EQ(sums, c.rows);
      EXPECT_EQ(Number(explained.get(), &IStreamExplanation::get_Bytes),
                Number(explained.get(), &IStreamExplanation::get_PromisedBytes));
      EXPECT_NE(Text(explained.get(), &IStreamExplanation::get_Malformed), "");
    }
  }
}

// The five ways a stream goes out other than the engineer set it, each
// flagged on its field and summed up as malformed.
TEST_F(StreamFields, MalformedStreamsAreFlagged) {
  const std::string bundled = testing_support::ReadFile(TQ_SNVT_FILE);
  auto catalogue = [&](const std::string& from, const std::string& to) {
    return Catalogue(std::regex_replace(bundled, std::regex(from), to));
  };
  const struct {
    const char* what;
    const char* chain;
    qcom::ComPtr<IXMLDOMDocument> catalogue;
    std::pair<const char*, const char*> forced;
    FieldRow field;
    std::string malformed;
  } cases[] = {
      {"rounded",
       "",
       Catalogue(),
       {"Priority", "2.5"},
       {12, "02", "device", "Priority", "2.5", "2", kStreamFieldRounded, "rounded"},
       "Priority: rounded"},
      {"a type the catalogue lacks",
       "",
       catalogue("<SNVT_107 [^]*?</SNVT_107>", ""),
       {"", ""},
       {19, "", "device", "MaxTimeBetweenComm", "60", "-", kStreamFieldNoType, "no SNVT type"},
       "MaxTimeBetweenComm: no SNVT type; DO_PulseTime: no SNVT type"},
      {"a type defined twice",
       "",
       catalogue("</SNVT_7>", "</SNVT_7><SNVT_7><NAME>x</NAME><TYPE>Enum</TYPE></SNVT_7>"),
       {"", ""},
       {12, "04", "device", "Priority", "4", "4", kStreamFieldDuplicateType,
        "SNVT_7 defined 2 times in the catalogue"},
       "Priority: SNVT_7 defined 2 times in the catalogue"},
      {"a read-back that is no number",
       "",
       catalogue("(<SNVT_107 [^]*?)<B_COEF>-1</B_COEF>", "$1<B_COEF>400</B_COEF>"),
       {"", ""},
       {19, "0000", "device", "MaxTimeBetweenComm", "60 sec", "NaN sec", kStreamFieldNoNumberBack,
        "reads back as no number"},
       "MaxTimeBetweenComm: reads back as no number; DO_PulseTime: reads back as no number"},
      {"a value that is no number",
       "EB4AI2AO",
       Catalogue(),
       {"EB1/AI/1/low_alarm_limit", "cold"},
       {39, "0000", "AI", "EB1/AI/1/low_alarm_limit", "cold", "0", kStreamFieldNotANumber,
        "not a number, sent as 0"},
       "EB1/AI/1/low_alarm_limit: not a number, sent as 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto object = Object(c.chain, c.catalogue.get());
    if (*c.forced.first) Force(object.get(), c.forced.first, c.forced.second);
    auto explained = Explain(object.get());
    EXPECT_EQ(FieldNamed(FieldRows(explained.get()), c.field.name), c.field);
    EXPECT_EQ(Text(explained.get(), &IStreamExplanation::get_Malformed), c.malformed);
  }
}
