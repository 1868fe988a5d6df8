#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "com/Bstr.h"
#include "com/Types.h"
#include "faces/Callback.h"
#include "faces/Points.h"

// Reading and driving a single input or output the way the host does, shared
// by the input and the output tests.
namespace points_test {

// What a text getter answers; the call itself must succeed.
template <class I>
std::string Text(std::type_identity_t<I>* point, HRESULT (I::*getter)(BSTR*)) {
  qcom::Bstr text;
  EXPECT_EQ((point->*getter)(text.out()), S_OK);
  return text.utf8();
}

// What a flag getter answers; the call itself must succeed.
template <class I>
bool Flag(std::type_identity_t<I>* point, HRESULT (I::*getter)(VARIANT_BOOL*)) {
  VARIANT_BOOL value = VARIANT_FALSE;
  EXPECT_EQ((point->*getter)(&value), S_OK);
  return value != VARIANT_FALSE;
}

// What a number getter answers; the call itself must succeed.
template <class I>
LONG Number(std::type_identity_t<I>* point, HRESULT (I::*getter)(LONG*)) {
  LONG value = -99;
  EXPECT_EQ((point->*getter)(&value), S_OK);
  return value;
}

// Makes or removes one connection, as the host does through ISubItemConnable.
template <class Point>
void Connect(Point& point, bool connected) {
  static_cast<ISubItemConnable&>(point).put_IsConnected(ToVariantBool(connected));
}

// Keys a point collection and gives it two host sinks, one through each way a
// host has of setting one (put_CallBack and CallBack).
template <class Collection>
void KeyAndListen(Collection& points, const std::string& globalKey, const std::string& extendedKey,
                  IcbkAppObject* first, IcbkAppObject* second) {
  points.SetGlobalKey(globalKey);
  points.SetExtendedKey(extendedKey);
  points.put_CallBack(first);
  points.CallBack(second);
}

}  // namespace points_test
