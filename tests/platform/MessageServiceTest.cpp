#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "platform/StderrMessages.h"

namespace {

using platform::RecordedMessage;

// What a standard error service writing to a memory stream shows for the text.
std::string ShownBy(std::string_view text) {
  char* data = nullptr;
  size_t size = 0;
  std::FILE* file = open_memstream(&data, &size);
  platform::StderrMessages(file).Show(text, platform::kMessageCritical, "Warning");
  std::fclose(file);
  std::string shown(data, size);
  std::free(data);
  return shown;
}

TEST(MessageService, RecorderKeepsEveryMessageInOrder) {
  auto recorder = std::make_shared<platform::RecordingMessages>();
  platform::ScopedMessageService guard(recorder);
  EXPECT_EQ(platform::ShowMessage("DataSheet not available"), platform::kIdOk);
  EXPECT_EQ(platform::ShowMessage("Bad definition", platform::kMessageCritical, "Warning"), 1);
  platform::ShowMessage("Cannot add", platform::kMessageExclamation, "Warning");
  platform::ShowMessage("", platform::kMessageInformation);

  std::vector<RecordedMessage> expected = {
      {"DataSheet not available", 0, ""},
      {"Bad definition", 16, "Warning"},
      {"Cannot add", 48, "Warning"},
      {"", 64, ""},
  };
  EXPECT_EQ(recorder->Messages(), expected);
  EXPECT_EQ(recorder->Texts(), (std::vector<std::string>{"DataSheet not available",
                                                         "Bad definition", "Cannot add", ""}));
  recorder->Clear();
  EXPECT_TRUE(recorder->Messages().empty());
}

TEST(MessageService, GuardsNestAndRestore) {
  std::shared_ptr<platform::MessageService> original = platform::CurrentMessageService();
  ASSERT_TRUE(original);
  auto outer = std::make_shared<platform::RecordingMessages>();
  auto inner = std::make_shared<platform::RecordingMessages>();
  {
    platform::ScopedMessageService a(outer);
    platform::ShowMessage("one");
    {
      platform::ScopedMessageService b(inner);
      EXPECT_EQ(platform::CurrentMessageService(), inner);
      platform::ShowMessage("two");
    }
    platform::ShowMessage("three");
  }
  EXPECT_EQ(platform::CurrentMessageService(), original);
  EXPECT_EQ(outer->Texts(), (std::vector<std::string>{"one", "three"}));
  EXPECT_EQ(inner->Texts(), (std::vector<std::string>{"two"}));

  // Set returns the previous service; null brings back the default one.
  auto recorder = std::make_shared<platform::RecordingMessages>();
  EXPECT_EQ(platform::SetMessageService(recorder), original);
  std::shared_ptr<platform::MessageService> replaced = platform::SetMessageService(nullptr);
  EXPECT_EQ(replaced, recorder);
  EXPECT_TRUE(dynamic_cast<platform::StderrMessages*>(platform::CurrentMessageService().get()));
  platform::SetMessageService(original);
}

TEST(MessageService, StandardErrorGetsOneLinePerMessage) {
  EXPECT_EQ(ShownBy("DataSheet not available"), "message: DataSheet not available\n");
  // CR, LF and CRLF each become one blank; LF CR is two breaks.
  EXPECT_EQ(ShownBy("a\r\nb\nc\rd\n\re"), "message: a b c d  e\n");
  EXPECT_EQ(ShownBy("end\r\n"), "message: end \n");
  EXPECT_EQ(ShownBy(""), "message: \n");
  EXPECT_EQ(ShownBy("Grüße"), "message: Grüße\n");

  // The default service writes to standard error.
  platform::ScopedMessageService guard(nullptr);
  testing::internal::CaptureStderr();
  EXPECT_EQ(platform::ShowMessage("Viewer not\nAvailable", platform::kMessageCritical, "Title"),
            platform::kIdOk);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "message: Viewer not Available\n");
}

}  // namespace
