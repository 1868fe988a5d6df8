#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class PlainReads : public DomTest {};

TEST_F(PlainReads, TheContentStampChangesWithEveryEditAndNeverRepeats) {
  auto doc = Parse("<R a=\"1\"><V>1</V></R>");
  const uint64_t loaded = qxml::ContentStamp(doc.get());
  EXPECT_NE(loaded, qxml::ContentStamp(Parse("<R a=\"1\"><V>1</V></R>").get()));
  EXPECT_EQ(qxml::ContentStamp(Root(doc.get()).get()), loaded) << "a node answers for its document";
  EXPECT_EQ(qxml::ContentStamp(doc.get()), loaded) << "reading changes nothing";
  ASSERT_EQ(S_OK, Root(doc.get())->setAttribute(Bstr("a").get(), qcom::Variant("9").raw()));
  const uint64_t edited = qxml::ContentStamp(doc.get());
  EXPECT_NE(edited, loaded);
  ASSERT_TRUE(LoadText(doc.get(), "<R a=\"1\"><V>1</V></R>"));
  EXPECT_NE(qxml::ContentStamp(doc.get()), loaded) << "the same text loaded again is another state";
  EXPECT_NE(qxml::ContentStamp(doc.get()), edited);
}

}  // namespace
}  // namespace dom_test
