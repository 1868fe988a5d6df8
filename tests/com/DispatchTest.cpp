// Late-bound calls by name on interfaces declared as member lists.
#include <gtest/gtest.h>

#include "com/ComObject.h"
#include "com/EnumVariant.h"
#include "com/OutParam.h"
#include "support/LateBound.h"

using testing_support::ByRef;
using testing_support::CallByName;
using testing_support::kGet;

namespace {

#define TEST_IGAUGE(GET, PUT, CALL, FUNC)                    \
  GET(Level, LONG* level)                                    \
  PUT(Level, LONG level)                                     \
  GET(Full, VARIANT_BOOL* full)                              \
  FUNC(Scale, SHORT factor, VARIANT_BOOL clip, LONG* scaled) \
  CALL(Trade, VARIANT* other)                                \
  PUT(Step, LONG* step)                                      \
  GET(Item, VARIANT key, IGauge** item)                      \
  GET(_NewEnum, IUnknown** items)

struct IGauge : IDispatch {
  QCOM_IDENTITY(IDispatch, "5D0B7B0E-2F43-4C55-9A1E-0C7C4E1B9A10");
  QCOM_MEMBERS(TEST_IGAUGE)
};

#define TEST_IDIAL(GET, PUT, CALL, FUNC) GET(Name, BSTR* name)
struct IDial : IGauge {
  QCOM_IDENTITY(IGauge, "5D0B7B0E-2F43-4C55-9A1E-0C7C4E1B9A11");
  QCOM_MEMBERS(TEST_IDIAL)
};

#define TEST_IMARKER(GET, PUT, CALL, FUNC) \
  CALL(Mark)                               \
  GET(Level, BSTR* text)
struct IMarker : IDispatch {
  QCOM_IDENTITY(IDispatch, "5D0B7B0E-2F43-4C55-9A1E-0C7C4E1B9A12");
  QCOM_MEMBERS(TEST_IMARKER)
};

// Two dual interfaces, one extending a third; both have a Level of their own.
class Gauge final : public qcom::ComObject<IDial, IMarker> {
 public:
  HRESULT get_Level(LONG* level) override { return qcom::ReturnValue(level_, level); }
  HRESULT put_Level(LONG level) override { return level_ = level, S_OK; }
  HRESULT get_Full(VARIANT_BOOL* full) override { return qcom::ReturnBool(level_ >= 100, full); }
  HRESULT Scale(SHORT factor, VARIANT_BOOL clip, LONG* scaled) override {
    return qcom::ReturnValue(clip ? std::min(level_ * factor, 100) : level_ * factor, scaled);
  }
  // The caller's value becomes the level and gets the old one back.
  HRESULT Trade(VARIANT* other) override {
    qcom::Variant level;
    if (FAILED(VariantChangeType(level.out(), other, 0, VT_I4))) return E_INVALIDARG;
    VariantClear(other);
    other->vt = VT_I4, other->lVal = level_;
    return level_ = level.raw().lVal, S_OK;
  }
  HRESULT put_Step(LONG* step) override { return *step = level_ += *step, S_OK; }
  HRESULT get_Item(VARIANT key, IGauge** item) override {
    return key.vt == VT_I2 && key.iVal == 1 ? qcom::ReturnObject<IGauge>(this, item) : E_INVALIDARG;
  }
  HRESULT get__NewEnum(IUnknown** items) override {
    return qcom::ReturnObject(qcom::MakeVariantEnumerator({qcom::Variant(level_)}), items);
  }
  HRESULT get_Name(BSTR* name) override { return qcom::ReturnText("dial", name); }
  HRESULT Mark() override { return ++marks, S_OK; }
  HRESULT get_Level(BSTR* text) override { return qcom::ReturnText("marker", text); }
  int marks = 0;

 private:
  LONG level_ = 0;
};

struct Case {
  const char* name;
  WORD flags;
  std::vector<qcom::Variant> args;
  HRESULT hr;
  const char* result;  // as text
  VARTYPE type;
  unsigned argErr;
};

TEST(Dispatch, CallsByNameOnEachDualInterface) {
  auto gauge = qcom::Make<Gauge>();
  IDial* dial = gauge.get();
  constexpr WORD put = DISPATCH_PROPERTYPUT;
  constexpr unsigned none = ~0u;
  const Case cases[] = {
      {"level", put, {"12"}, S_OK, "", VT_EMPTY, none},
      {"LEVEL", kGet, {}, S_OK, "12", VT_I4, none},
      {"Level", DISPATCH_PROPERTYPUTREF, {int16_t{40}}, S_OK, "", VT_EMPTY, none},
      {"Full", DISPATCH_PROPERTYGET, {}, S_OK, "0", VT_BOOL, none},
      {"Scale", DISPATCH_METHOD, {2.5, qcom::Variant()}, S_OK, "80", VT_I4, none},
      {"Scale", kGet, {"3", true}, S_OK, "100", VT_I4, none},
      {"Scale", DISPATCH_METHOD, {70000, false}, DISP_E_OVERFLOW, "", VT_EMPTY, 1},
      {"Scale", DISPATCH_METHOD, {2, "lots"}, DISP_E_TYPEMISMATCH, "", VT_EMPTY, 0},
      {"Scale", DISPATCH_METHOD, {2}, DISP_E_BADPARAMCOUNT, "", VT_EMPTY, none},
      {"Scale", DISPATCH_PROPERTYGET, {2, true}, DISP_E_MEMBERNOTFOUND, "", VT_EMPTY, none},
      {"Full", put, {true}, DISP_E_MEMBERNOTFOUND, "", VT_EMPTY, none},
      {"Level", DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND, "", VT_EMPTY, none},
      {"Name", kGet, {}, S_OK, "dial", VT_BSTR, none},
      {"Mark", DISPATCH_METHOD, {}, DISP_E_UNKNOWNNAME, "", VT_EMPTY, none},
      {"Item", kGet, {int16_t{1}}, S_OK, "", VT_DISPATCH, none},
      {"Item", kGet, {int16_t{2}}, E_INVALIDARG, "", VT_EMPTY, none},
      {"_NewEnum", DISPATCH_PROPERTYGET, {}, S_OK, "", VT_UNKNOWN, none},
  };
  const int64_t bstrs = qcom::LiveBstrCount();
  for (const Case& c : cases) {
    auto answer = CallByName(dial, c.name, c.flags, c.args);
    EXPECT_EQ(answer.hr, c.hr) << c.name << " " << c.flags;
    EXPECT_EQ(answer.argErr, c.argErr) << c.name;
    EXPECT_EQ(answer.result.type(), c.type) << c.name;
    if (c.type != VT_DISPATCH && c.type != VT_UNKNOWN) {
      EXPECT_EQ(answer.text(), c.result) << c.name;
    }
  }

  // DISPIDs: the line of the name, base interface first; a collection's two members.
  char16_t level[] = u"Level", name[] = u"name", item[] = u"Item", all[] = u"_NEWENUM";
  char16_t nope[] = u"Nope";
  char16_t* names[] = {level, name, item, all, nope};
  const DISPID expected[] = {1, 9, DISPID_VALUE, DISPID_NEWENUM, DISPID_UNKNOWN};
  for (int i = 0; i < 5; ++i) {
    DISPID id = 77;
    EXPECT_EQ(dial->GetIDsOfNames(GUID_NULL, &names[i], 1, 0, &id),
              i < 4 ? S_OK : DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, expected[i]) << i;
  }
  DISPID ids[2] = {7, 7};
  EXPECT_EQ(dial->GetIDsOfNames(GUID_NULL, names, 2, 0, ids), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(ids[0], 1);
  EXPECT_EQ(ids[1], DISPID_UNKNOWN);  // parameter names are not offered
  EXPECT_EQ(dial->GetIDsOfNames(IDial::iid, names, 1, 0, ids), DISP_E_UNKNOWNINTERFACE);
  DISPPARAMS noArgs{nullptr, nullptr, 0, 0};
  EXPECT_EQ(dial->Invoke(1, IDial::iid, 0, kGet, &noArgs, nullptr, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);
  EXPECT_EQ(dial->Invoke(77, GUID_NULL, 0, kGet, &noArgs, nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(dial->Invoke(1, GUID_NULL, 0, kGet, &noArgs, nullptr, nullptr, nullptr), S_OK);

  // Named arguments: only a put's value, and a put needs it.
  VARIANT value = qcom::Variant(5).raw();
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS withName{&value, &named, 1, 1}, withoutName{&value, nullptr, 1, 0};
  EXPECT_EQ(dial->Invoke(4, GUID_NULL, 0, DISPATCH_METHOD, &withName, nullptr, nullptr, nullptr),
            DISP_E_NONAMEDARGS);
  EXPECT_EQ(dial->Invoke(1, GUID_NULL, 0, put, &withoutName, nullptr, nullptr, nullptr),
            DISP_E_PARAMNOTOPTIONAL);

  // The other dual interface answers its own members; IDispatch is the first listed.
  auto marker = qcom::QueryAs<IMarker>(gauge->Identity());
  EXPECT_EQ(CallByName(marker.get(), "level", kGet).text(), "marker");
  EXPECT_EQ(CallByName(marker.get(), "Mark", DISPATCH_METHOD).hr, S_OK);
  EXPECT_EQ(gauge->marks, 1);
  EXPECT_EQ(CallByName(marker.get(), "Name", kGet).hr, DISP_E_UNKNOWNNAME);
  EXPECT_EQ(qcom::QueryAs<IDispatch>(marker.get()).get(), static_cast<IDispatch*>(dial));
  EXPECT_EQ(qcom::LiveBstrCount(), bstrs);
}

TEST(Dispatch, ByReferenceArgumentsGetTheMembersValueBack) {
  const int64_t bstrs = qcom::LiveBstrCount();
  auto gauge = qcom::Make<Gauge>();
  IDial* dial = gauge.get();
  dial->put_Level(7);
  // [in,out] VARIANT, as a script passes a variable: the text is read, the old level returned.
  VARIANT mine;
  qcom::Variant("30").CopyTo(&mine);
  EXPECT_EQ(CallByName(dial, "Trade", DISPATCH_METHOD, {ByRef(VT_VARIANT, &mine)}).hr, S_OK);
  EXPECT_EQ(mine.vt, VT_I4);
  EXPECT_EQ(mine.lVal, 7);
  // A typed reference is written in its own type; one that cannot hold the value is an error.
  BSTR text = qcom::AllocBstr("3");
  EXPECT_EQ(CallByName(dial, "Step", DISPATCH_PROPERTYPUT, {ByRef(VT_BSTR, &text)}).hr, S_OK);
  EXPECT_EQ(qcom::BstrToUtf8(text), "33");
  SysFreeString(text);
  SHORT small = 32767;
  auto overflow = CallByName(dial, "Step", DISPATCH_PROPERTYPUT, {ByRef(VT_I2, &small)});
  EXPECT_EQ(overflow.hr, DISP_E_OVERFLOW);
  EXPECT_EQ(overflow.argErr, 0u);
  EXPECT_EQ(small, 32767);
  // A left-out argument is refused for a parameter that needs one.
  VARIANT missing;
  VariantInit(&missing);
  missing.vt = VT_ERROR, missing.scode = DISP_E_PARAMNOTFOUND;
  auto left = CallByName(dial, "Trade", DISPATCH_METHOD, {qcom::Variant::Attach(missing)});
  EXPECT_EQ(left.hr, DISP_E_PARAMNOTOPTIONAL);
  EXPECT_EQ(qcom::LiveBstrCount(), bstrs);
}

}  // namespace
