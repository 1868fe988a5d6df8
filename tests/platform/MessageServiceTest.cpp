#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "platform/StderrMessages.h"

namespace {

TEST(MessageService, GuardsNestAndRestoreAndNullBringsBackTheDefault) {
  std::shared_ptr<platform::MessageService> original = platform::CurrentMessageService();
  auto outer = std::make_shared<platform::RecordingMessages>();
  auto inner = std::make_shared<platform::RecordingMessages>();
  {
    platform::ScopedMessageService a(outer);
    EXPECT_EQ(platform::ShowMessage("one", platform::kMessageCritical, "Warning"), platform::kIdOk);
    {
      platform::ScopedMessageService b(inner);
      platform::ShowMessage("two");
    }
    platform::ShowMessage("three");
  }
  EXPECT_EQ(platform::CurrentMessageService(), original);
  EXPECT_EQ(outer->Texts(), (std::vector<std::string>{"one", "three"}));
  EXPECT_EQ(outer->Messages()[0], (platform::RecordedMessage{"one", 16, "Warning"}));
  EXPECT_EQ(inner->Texts(), std::vector<std::string>{"two"});
  // Set returns the previous service; null brings back the default one.
  EXPECT_EQ(platform::SetMessageService(nullptr), original);
  EXPECT_TRUE(dynamic_cast<platform::StderrMessages*>(platform::CurrentMessageService().get()));
  platform::SetMessageService(original);
}

TEST(MessageService, StandardErrorGetsOneLinePerMessage) {
  // CR, LF and CRLF each become one blank; LF CR is two breaks.
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"DataSheet not available", "message: DataSheet not available\n"},
      {"a\r\nb\nc\rd\n\re", "message: a b c d  e\n"},
      {"end\r\n", "message: end \n"},
      {"", "message: \n"},
      {"Grüße", "message: Grüße\n"},
  };
  for (auto [text, shown] : cases) {
    char* data = nullptr;
    size_t size = 0;
    std::FILE* file = open_memstream(&data, &size);
    platform::StderrMessages(file).Show(text, platform::kMessageCritical, "Warning");
    std::fclose(file);
    EXPECT_EQ(std::string(data, size), shown);
    std::free(data);
  }
}

}  // namespace
