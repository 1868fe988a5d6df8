// The modes of the files tqhost writes, read straight from the file system:
// tests run as root, who can read and replace any file whatever its mode.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/Process.h"
#include "support/TempDir.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 07777;
}

}  // namespace

TEST(FileModes, ANewProjectGetsTheUsualModeAndAReplacedOneKeepsItsOwn) {
  testing_support::TempDir dir;
  const std::string tqhost = std::string(TQ_BUILD_DIR) + "/bin/tqhost";
  const std::string project = dir / "p.xml";
  auto run = [&](const std::vector<std::string>& args) {
    return testing_support::RunProcess(tqhost, args,
                                       {{"QORDB_REGISTRY", dir / "registry.xml"}, {"LC_ALL", "C"}});
  };
  const mode_t saved = ::umask(027);
  auto made = run({"new", "-o", project, "--modules", "EB8DI"});
  ::umask(saved);
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_EQ(ModeOf(project), 0640u) << "0666 less the umask 027";

  ASSERT_EQ(::chmod(project.c_str(), 0604), 0);
  auto set = run({"set", project, "Priority=3"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(ModeOf(project), 0604u);
  auto saved_as = run({"save", project, "-o", project, "--form", "sim"});
  ASSERT_EQ(saved_as.exitCode, 0) << saved_as.err;
  EXPECT_EQ(ModeOf(project), 0604u);
}
