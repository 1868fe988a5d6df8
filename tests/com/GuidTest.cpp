#include "com/Guid.h"

#include <gtest/gtest.h>

#include "com/Unknown.h"

namespace {

TEST(Guid, TextRoundTripInTheRegistryForm) {
  constexpr GUID g = qcom::MakeGuid("0259c66e-A3C9-43F0-9a48-EC2746DE4494");
  EXPECT_EQ(g,
            (GUID{0x0259C66E, 0xA3C9, 0x43F0, {0x9A, 0x48, 0xEC, 0x27, 0x46, 0xDE, 0x44, 0x94}}));
  EXPECT_EQ(qcom::GuidToString(g), "{0259C66E-A3C9-43F0-9A48-EC2746DE4494}");

  for (const char* text :
       {"{0259C66E-A3C9-43F0-9A48-EC2746DE4494}", "0259c66e-a3c9-43f0-9a48-ec2746de4494"}) {
    std::optional<GUID> parsed = qcom::GuidFromString(text);
    ASSERT_TRUE(parsed) << text;
    EXPECT_EQ(*parsed, g);
  }
  EXPECT_EQ(qcom::GuidToString(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
  EXPECT_EQ(qcom::GuidFromString(qcom::GuidToString(IUnknown::iid)), IUnknown::iid);
  EXPECT_TRUE(qcom::GuidLess{}(GUID_NULL, g));
  EXPECT_FALSE(qcom::GuidLess{}(g, g));
}

TEST(Guid, RejectsMalformedText) {
  const char* bad[] = {
      "",
      "{}",
      "{0259C66E-A3C9-43F0-9A48-EC2746DE4494",    // no closing brace
      "0259C66E-A3C9-43F0-9A48-EC2746DE4494}",    // no opening brace
      "{0259C66E-A3C9-43F0-9A48-EC2746DE44945}",  // one digit too many
      "0259C66E-A3C9-43F0-9A48-EC2746DE449",      // one digit short
      "0259C66EA-3C9-43F0-9A48-EC2746DE4494",     // dash in the wrong place
      "0259C66E-A3C9-43F0-9A48EEC2746DE4494",     // dash missing
      "0259C66G-A3C9-43F0-9A48-EC2746DE4494",     // not hex
      " 259C66E-A3C9-43F0-9A48-EC2746DE4494",     // blank
      "+259C66E-A3C9-43F0-9A48-EC2746DE4494",     // sign
      "(0259C66E-A3C9-43F0-9A48-EC2746DE4494)",   // other brackets
  };
  for (const char* text : bad) EXPECT_FALSE(qcom::GuidFromString(text)) << text;
  EXPECT_FALSE(qcom::GuidFromString(std::string_view("0259C66E-A3C9-43F0-9A48-EC2746DE449\0", 36)));
}

}  // namespace
