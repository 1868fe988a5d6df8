// tqhost report: the documentation of each object in the three formats, read back as a reader sees
// it.
#include "host/TqhostRun.h"

using testing_support::ReadFile;
using testing_support::RunProcess;

namespace {

class ReportCommand : public TqhostRun {
 protected:
  // The text a reader of the file sees.
  std::string TextOf(const std::string& file) {
    if (file.ends_with(".pdf")) return RunProcess("/usr/bin/pdftotext", {"-layout", file, "-"}).out;
    if (file.ends_with(".odt"))
      return RunProcess("/usr/bin/unzip", {"-p", file, "content.xml"}).out;
    return ReadFile(file);
  }
};

TEST_F(ReportCommand, WritesEachObjectsReportInTheFormatOfItsExtension) {
  const std::string project = dir / "p.xml";
  Expect({"new", "-o", project, "--name", "Boiler room", "--modules", "EB4AI2AO,EB8DIC,EB4AO"}, 0);
  Expect({"set", project, "Powerline_Freq=1", "Behaviour_OnCommFailure=1", "EB1/AI/2/sensortype=3",
          "EB2/DI/1/ContactType=1"},
         0);
  for (const char* name : {"r.pdf", "r.odt", "r.html"}) {
    const std::string out = dir / name;
    EXPECT_EQ(Expect({"report", project, "-o", out}, 0), out + "\n");
    const std::string text = TextOf(out);
    for (const char* seen : {"Boiler room", "60 Hz", "Output Hold", "K47 Sensor", "Nickel 1000",
                             "Pulse type", "EB 4AI/2AO-1", "Deg °C or °K"})
      EXPECT_NE(text.find(seen), std::string::npos) << name << " lacks " << seen;
  }
  EXPECT_NE(TextOf(dir / "r.pdf").find("Page 1 of"), std::string::npos);

  // Two objects: a file each, numbered in file order.
  std::string xml = ReadFile(project);
  const size_t from = xml.find("  <Object "), to = xml.find("</Object>") + 10;
  std::string second = xml.substr(from, to - from);
  second.replace(second.find("uniqueId=\"1\""), 12, "uniqueId=\"2\"");
  for (size_t at; (at = second.find("Boiler room")) != std::string::npos;)
    second.replace(at, 11, "Plant room");
  xml.insert(to, second);
  {
    std::FILE* file = std::fopen(project.c_str(), "w");
    std::fputs(xml.c_str(), file), std::fclose(file);
  }
  EXPECT_EQ(Expect({"report", project, "-o", dir / "all.html"}, 0),
            dir / "all-1.html\n" + dir / "all-2.html\n");
  EXPECT_NE(ReadFile(dir / "all-2.html").find("Plant room"), std::string::npos);
  EXPECT_EQ(Expect({"report", project, "--object", "2", "-o", dir / "two.html"}, 0),
            dir / "two.html\n");

  Expect({"report", project, "-o", dir / "r.doc"}, 2,
         "tqhost report: " + dir / "r.doc" +
             ": the format is given by the extension: .pdf, .odt or .html\n");
  Expect({"report", project, "--object", "3", "-o", dir / "r.pdf"}, 1,
         "tqhost report: " + project + " holds 2 objects; there is no object 3\n");
}

}  // namespace
