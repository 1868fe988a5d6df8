// tqhost given what a careless or hostile user, or a failing machine, gives it:
// outputs that name its inputs or no file, formulas and control characters in
// names, oversized input, scarce memory, untrusted plug-in folders.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "host/TqhostRun.h"

using testing_support::ReadFile;

namespace {

class HostileInput : public TqhostRun {
 protected:
  std::string NewProject(const std::string& name, const Names& more = {}) {
    Names args = {"new", "-o", dir / name, "--modules", "EB4AI2AO"};
    args.insert(args.end(), more.begin(), more.end());
    Expect(args, 0);
    return dir / name;
  }
};

TEST_F(HostileInput, NoOutputTakesThePlaceOfAnInputOrOfWhatIsNoFile) {
  const std::string p = NewProject("p.html");  // a project may have any name
  const std::string original = ReadFile(p);
  std::filesystem::create_symlink("p.html", dir / "link.html");
  const std::string link = dir / "link.html";
  const struct {
    Names args;
    std::string err;
  } refusals[] = {
      {{"export", p, "-o", p}, "tqhost export: cannot write " + p + ": it is the input " + p},
      {{"export", p, "-o", link}, "tqhost export: cannot write " + link + ": it is the input " + p},
      {{"save", link, "-o", p}, "tqhost save: cannot write " + p + ": it is the input " + link},
      {{"report", p, "-o", link},
       "tqhost report: " + p + ": object 1 (TQ4600): the report cannot be written to " + link +
           ": SaveAs: cannot write " + link + ": it is the input " + p},
  };
  for (const auto& [args, err] : refusals) Expect(args, 1, err + "\n");
  EXPECT_EQ(ReadFile(p), original);
  EXPECT_TRUE(std::filesystem::is_symlink(link));

  // A report is not written over a device (made here, root only) or a pipe.
  const std::string device = dir / "dev.pdf", pipe = dir / "pipe.pdf";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const auto& [out, kind] : {std::pair{device, "a device"}, std::pair{pipe, "a named pipe"}}) {
    if (out == device && ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) continue;
    Expect({"report", p, "-o", out}, 1,
           "tqhost report: " + p + ": object 1 (TQ4600): the report cannot be written to " + out +
               ": SaveAs: cannot write " + out + ": it is " + kind + ", not a regular file\n");
    EXPECT_FALSE(std::filesystem::is_regular_file(out)) << out;
  }

  // new --force waits for the command holding the project, as set does.
  const int held = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const int pid = Start({"new", "-o", p, "--force"});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, WNOHANG), 0) << "new replaced a locked project";
  EXPECT_EQ(ReadFile(p), original);
  ::close(held);
  EXPECT_EQ(testing_support::WaitProcess(pid), 0);
  EXPECT_EQ(ReadFile(p).find("EB4AI2AO"), std::string::npos);
}

TEST_F(HostileInput, NamesCannotRunAsFormulasNorReachATerminalRawNorBreakAFile) {
  const std::string formula = "=HYPERLINK(\"http://x\",\"y\")";
  const std::string p = NewProject("p.xml", {"--name", formula});
  const std::string csv = dir / "p.csv";
  Expect({"export", p, "-o", csv}, 0);
  const std::string exported = ReadFile(csv);
  // Guarded where a spreadsheet would run it; a negative number is a number.
  EXPECT_NE(exported.find("1,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",Priority,4,\n"),
            std::string::npos)
      << exported;
  EXPECT_NE(exported.find(",EB1/AI/1/low_alarm_limit,-50,"), std::string::npos) << exported;
  // The guard comes off again: the name matches, nothing differs.
  Expect({"import", p, csv}, 0);
  EXPECT_EQ(Expect({"import", p, csv}, 0), csv + ": no value differs; " + p + " is unchanged\n");

  // A record of endless fields is refused before it fills the memory.
  const std::string wide = dir.Write(
      "wide.csv", "object,name,parameter,value,unit\n" + std::string(2'000'000, ',') + "\n");
  Expect({"import", p, wide}, 1, "tqhost import: " + wide + ": line 2: more than 256 fields\n");

  // A character no XML file may hold is refused on the way in and never written.
  const std::string escaped =
      dir.Write("esc.xml",
                "<QorProject version=\"1\"><Object><TQ4600><UserName>a&#27;[2J</UserName>"
                "</TQ4600></Object></QorProject>");
  Expect({"stream", escaped}, 1,
         "tqhost stream: " + escaped +
             ": line 1, column 41: An invalid character (U+001B) was found in text content.\n");
  Expect({"new", "-o", dir / "n.xml", "--name", "a\x1b[2J"}, 2,
         "tqhost new: --name: a project file cannot hold the character U+001B\n");

  // On a terminal a control character XML allows (a C1 control) is shown, not run.
  const std::string c1 = NewProject("c1.xml", {"--name",
                                               "A\xC2\x9B"
                                               "31mB"});
  auto shown = testing_support::RunProcess(
      "/usr/bin/script", {"-qec", std::string(TQ_BUILD_DIR) + "/bin/tqhost get " + c1, "/dev/null"},
      {{"QORDB_REGISTRY", registry}, {"LC_ALL", "C"}});
  EXPECT_NE(shown.out.find("\"A\\u009B31mB\""), std::string::npos) << shown.out;
  EXPECT_EQ(shown.out.find("\xC2\x9B"), std::string::npos);
  // Written to a file, the output is the name as it is.
  EXPECT_NE(Expect({"get", c1}, 0)
                .find("\"A\xC2\x9B"
                      "31mB\""),
            std::string::npos);
}

TEST_F(HostileInput, ImportRefusesRowsThatCannotSayWhichObjectTheyMean) {
  const std::string p = NewProject("p.xml");
  std::string text = ReadFile(p);
  const size_t begin = text.find("<Object"), end = text.find("</Object>") + 9;
  text.insert(end, "\n" + text.substr(begin, end - begin));
  testing_support::WriteFile(p, text);
  const std::string csv =
      dir.Write("c.csv", "object,name,parameter,value,unit\n1,TQ4600_1,Priority,5,\n");
  Expect({"import", p, csv}, 1,
         "tqhost import: " + csv + ": line 2: " + p +
             " has 2 objects with the ID 1; give each object its own ID\n");
  EXPECT_EQ(ReadFile(p), text);
}

TEST_F(HostileInput, ScarceMemoryAndHugeNamesEndInWordsAndLeaveTheProject) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
  const std::string p = NewProject("p.xml");
  std::string text = ReadFile(p);
  const size_t begin = text.find("<Object"), end = text.find("</Object>") + 9;
  const std::string object = "\n" + text.substr(begin, end - begin);
  for (int i = 1; i < 3000; ++i) text.insert(end, object);
  testing_support::WriteFile(p, text);
  for (const Names& command :
       {Names{"save", p, "-o", dir / "out.xml"}, Names{"set", p, "Priority=5"}}) {
    std::string line = "ulimit -v 70000; exec " + std::string(TQ_BUILD_DIR) + "/bin/tqhost";
    for (const std::string& word : command) line += " " + word;
    auto r = testing_support::RunProcess("/bin/sh", {"-c", line},
                                         {{"QORDB_REGISTRY", registry}, {"LC_ALL", "C"}});
    EXPECT_EQ(r.exitCode, 1) << line;
    EXPECT_NE(r.err.find("out of memory"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadFile(p), text);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.xml"));
#endif

  // A name no page can hold is refused at once instead of laid out for minutes.
  std::string huge = ReadFile(NewProject("named.xml"));
  huge.replace(huge.find("<UserName>TQ4600_1<"), 18, "<UserName>" + std::string(1 << 20, 'N'));
  const std::string named = dir.Write("named.xml", huge);
  Expect({"report", named, "-o", dir / "r.pdf"}, 1,
         "tqhost report: " + named + ": object 1 (TQ4600): the report cannot be written to " +
             dir / "r.pdf" +
             ": SaveAs: the field USERNAME holds 1048576 characters; a printed report takes at "
             "most 4096 in a field\n");
}

TEST_F(HostileInput, APluginFolderAnyoneMayWriteIsNotTrustedWithoutAWord) {
  const std::string plugins = dir / "open";
  std::filesystem::copy(std::string(TQ_BUILD_DIR) + "/plugins", plugins,
                        std::filesystem::copy_options::recursive);
  ASSERT_EQ(::chmod(plugins.c_str(), 0777), 0);
  const std::string component = plugins + "/O_TQ4600/O_TQ4600.so";
  const std::string refusal = plugins + " can be written by any user, so anyone could replace " +
                              component +
                              " with other code; it is not registered (to register it anyway: "
                              "tqhost regsvr --force " +
                              component + ")\n";
  Expect({"regsvr", component}, 1, "tqhost regsvr: " + refusal);
  const std::string p = NewProject("p.xml");
  Expect({"stream", p, "--plugins", plugins}, 1, "tqhost stream: " + refusal);
  for (const std::string& library :
       {component, plugins + "/UnitManager/UnitManager.so", plugins + "/HZDoc/HZDoc.so"}) {
    testing_support::ProcessResult forced = Run({"regsvr", "--force", library});
    EXPECT_EQ(forced.exitCode, 0);
    EXPECT_EQ(forced.err, "tqhost regsvr: warning: " + plugins + " can be written by any user\n");
  }
  testing_support::ProcessResult used = Run({"stream", p, "--plugins", plugins});
  EXPECT_EQ(used.exitCode, 0) << used.err;
  EXPECT_EQ(used.err.substr(0, used.err.find('\n') + 1),
            "tqhost: warning: " + plugins + " can be written by any user\n");
}

}  // namespace
