#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "com/Bstr.h"
#include "com/Types.h"
#include "faces/Callback.h"
#include "faces/Points.h"
#include "points/CDBInputs.h"
#include "points/CDBOutputs.h"
#include "points/PointFakes.h"
#include "support/RecordingSink.h"
#include "values/CatalogueFixture.h"

// Reading and driving inputs and outputs the way the host does, and the point
// collections of one application object to do it on.
namespace points_test {

using Lines = std::vector<std::string>;

// What a getter answers; the call itself must succeed.
template <class I, class T>
auto Get(std::type_identity_t<I>* point, HRESULT (I::*getter)(T*)) {
  if constexpr (std::is_same_v<T, BSTR>) {
    qcom::Bstr text;
    EXPECT_EQ((point->*getter)(text.out()), S_OK);
    return text.utf8();
  } else {
    T value{};
    EXPECT_EQ((point->*getter)(&value), S_OK);
    if constexpr (std::is_same_v<T, VARIANT_BOOL>)
      return value != VARIANT_FALSE;
    else
      return value;
  }
}

// Makes or removes one connection, as the host does through ISubItemConnable.
template <class Point>
void Connect(Point& point, bool connected) {
  static_cast<ISubItemConnable&>(point).put_IsConnected(ToVariantBool(connected));
}

// An application object's inputs (keys G\RIN, X\RIN) and outputs (G\ROU,
// X\ROU), each with two host sinks, one set through each way a host has:
// `first` through put_CallBack, `second` through CallBack.
class PointsFixture : public CatalogueFixture {
 protected:
  void SetUp() override {
    UseCatalogue(R"(
      <SNVT_83><NAME>SNVT_alarm</NAME><TYPE>Enum</TYPE><Enums><OK>0</OK><ALARM>1</ALARM></Enums>
        </SNVT_83>
      <SNVT_105><NAME>SNVT_temp_p</NAME><TYPE>SignedNumeric</TYPE><LENGTH>2</LENGTH></SNVT_105>)");
    inputs->SetGlobalKey("G\\RIN");
    inputs->SetExtendedKey("X\\RIN");
    outputs->SetGlobalKey("G\\ROU");
    outputs->SetExtendedKey("X\\ROU");
    inputs->put_CallBack(first.get());
    inputs->CallBack(second.get());
    outputs->put_CallBack(first.get());
    outputs->CallBack(second.get());
  }

  static qcom::ComPtr<FakeChannel> Channel(const std::string& name, const std::string& key) {
    return qcom::Make<FakeChannel>(name, key);
  }

  qcom::ComPtr<CDBInput> AddIn(const std::string& name, IChannelLink* channel,
                               const std::string& ids = "") {
    return inputs->AddInput(name, ids, owner.get(), channel);
  }

  // As the application object adds a channel's output: again while a name is
  // left; the last output made.
  qcom::ComPtr<CDBOutput> AddOut(std::string name, IChannelLink* channel,
                                 std::string type = "105") {
    qcom::ComPtr<CDBOutput> last;
    while (!name.empty())
      last = outputs->AddOutput(name, type, static_cast<IAppObject*>(owner.get()), channel);
    return last;
  }

  qcom::ComPtr<FakeOwner> owner = qcom::Make<FakeOwner>();
  qcom::ComPtr<CDBInputs> inputs = qcom::Make<CDBInputs>();
  qcom::ComPtr<CDBOutputs> outputs = qcom::Make<CDBOutputs>();
  qcom::ComPtr<testing_support::RecordingSink> first = qcom::Make<testing_support::RecordingSink>();
  qcom::ComPtr<testing_support::RecordingSink> second =
      qcom::Make<testing_support::RecordingSink>();
};

}  // namespace points_test
