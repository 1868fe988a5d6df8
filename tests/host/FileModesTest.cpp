// The owners and modes of the files tqhost writes, read straight from the file
// system: tests run as root, who can read and replace any file whatever its
// mode, so a write by another user runs as that user.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

struct Owned {
  uid_t owner = 0;
  gid_t group = 0;
  mode_t mode = 07777;
  bool operator==(const Owned&) const = default;
};

Owned OwnedOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {info.st_uid, info.st_gid, info.st_mode & 07777};
}

std::string ReadAll(const std::string& path) {
  std::string text;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return text;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
  std::fclose(f);
  return text;
}

}  // namespace

TEST(FileModes, EveryWriteKeepsTheOwnerGroupAndModeOfWhatItReplaces) {
  testing_support::TempDir dir;
  const std::string tqhost = std::string(TQ_BUILD_DIR) + "/bin/tqhost";
  const std::string project = dir / "p.xml", out = dir / "out.xml";
  auto run = [&](const std::vector<std::string>& args, testing_support::ChildSetup setup = {}) {
    return testing_support::RunProcess(
        tqhost, args, {{"QORDB_REGISTRY", dir / "registry.xml"}, {"LC_ALL", "C"}}, setup);
  };
  const mode_t saved = ::umask(027);
  auto made = run({"new", "-o", project, "--modules", "EB8DI"});
  ::umask(saved);
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_EQ(OwnedOf(project).mode, 0640u) << "0666 less the umask 027";

  // Replaced by root, who may hand a file to anyone: owner, group and mode stay.
  constexpr uid_t kOwner = 4600;
  const gid_t group = testing_support::kUnprivilegedId;
  ASSERT_EQ(::chown(project.c_str(), kOwner, group), 0);
  ASSERT_EQ(::chmod(project.c_str(), 0604), 0);
  auto set = run({"set", project, "Priority=3"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(OwnedOf(project), (Owned{kOwner, group, 0604}));
  testing_support::WriteFile(out, "");
  ASSERT_EQ(::chmod(out.c_str(), 0600), 0);
  auto savedAs = run({"save", project, "-o", out, "--form", "sim"});
  ASSERT_EQ(savedAs.exitCode, 0) << savedAs.err;
  EXPECT_EQ(OwnedOf(out).mode, 0600u);

  // Another member of the group writes the owner's project: it stays the
  // owner's, which it could only by being written in place.
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  ASSERT_EQ(::chmod(project.c_str(), 0660), 0);
  ASSERT_EQ(::chmod((dir / "registry.xml").c_str(), 0644), 0);
  const testing_support::ChildSetup member{.unprivileged = true, .out = {}, .in = {}};
  if (run({"--help"}, member).exitCode != 0)
    GTEST_SKIP() << "user " << group << " cannot run " << TQ_BUILD_DIR;
  const auto before = ReadAll(project);
  auto byMember = run({"set", project, "Priority=5"}, member);
  ASSERT_EQ(byMember.exitCode, 0) << byMember.err;
  EXPECT_NE(ReadAll(project), before);
  EXPECT_NE(ReadAll(project).find("<Priority>5</Priority>"), std::string::npos);
  EXPECT_EQ(OwnedOf(project), (Owned{kOwner, group, 0660}));
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    if (entry.path().filename().string().find(".tq4600~") != std::string::npos)
      left.push_back(entry.path().filename());
  EXPECT_TRUE(left.empty()) << left.front();
}
