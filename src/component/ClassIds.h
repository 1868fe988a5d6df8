#pragma once

#include "com/Unknown.h"

// Class identifiers of the component and of its type library. They were
// generated once and never change: hosts keep them in saved projects.
namespace component::ids {

constexpr GUID kTypeLib = qcom::MakeGuid("207901B0-404E-4583-B663-5A262704ACCA");
constexpr const char* kTypeLibName = "O_TQ4600_ID";
constexpr const char* kTypeLibVersion = "1.0";

constexpr CLSID kCDBAppObject = qcom::MakeGuid("2AD0B6AD-7B6C-4F5E-9514-0F890BB27563");
constexpr CLSID kCDBInputs = qcom::MakeGuid("A08C4319-A6AD-478E-9D53-7AF687D1FD58");
constexpr CLSID kCDBInput = qcom::MakeGuid("C16259ED-0432-4898-A86B-E3D699B13B1F");
constexpr CLSID kCDBOutputs = qcom::MakeGuid("02136806-BE3B-4885-BF16-2746723B25A2");
constexpr CLSID kCDBOutput = qcom::MakeGuid("EADBA7BE-AEED-4527-A193-EC51BACDEE10");
constexpr CLSID kCDBSNVTType = qcom::MakeGuid("E1E68378-D6DE-4644-885A-74D837179911");
constexpr CLSID kCDBCompatibleSNVT = qcom::MakeGuid("B80D7069-13F9-4942-9A6B-3A12C1421508");
constexpr CLSID kCDBCompatibleSNVTs = qcom::MakeGuid("6DCC6502-7718-4155-B053-089056D7E440");
constexpr CLSID kCDBAttribute = qcom::MakeGuid("4F3C666D-6963-4B19-9785-AAF76941FEA3");
constexpr CLSID kCDBAttributes = qcom::MakeGuid("89C13457-CAE4-4A47-B856-723AF81587D7");
constexpr CLSID kCDBEBModule = qcom::MakeGuid("C6689F7D-D187-4502-AFBF-A1086BAAEA29");
constexpr CLSID kCDBEBModules = qcom::MakeGuid("4D410373-413C-482E-BAF1-70AE2C26A8D4");
constexpr CLSID kCDBEBTemplates = qcom::MakeGuid("639191B6-8ED2-42E8-900E-9A9A2BFFA4AF");
constexpr CLSID kCDBAI = qcom::MakeGuid("CACDA24A-7747-4DB6-8BEC-242F24B79C92");
constexpr CLSID kCDBAIs = qcom::MakeGuid("05FA1C1D-1503-48AA-8891-CC9C0F4CAD11");
constexpr CLSID kCDBAO = qcom::MakeGuid("2F3EEC37-2A4F-4F54-A063-8FB43CE5BC57");
constexpr CLSID kCDBAOs = qcom::MakeGuid("B55BB911-49BB-4BDC-8E67-D4017DF5046B");
constexpr CLSID kCDBDI = qcom::MakeGuid("02029D8C-1D9B-4163-AC67-C7CA6E4AC868");
constexpr CLSID kCDBDIs = qcom::MakeGuid("BE054E53-44C1-4B62-894A-B6BDAE79CD86");
constexpr CLSID kCDBDO = qcom::MakeGuid("EB1EEEA1-8B81-4863-A166-42F2BE7052E8");
constexpr CLSID kCDBDOs = qcom::MakeGuid("EBE26FB1-65E2-493C-962D-AF7838CF6CAF");
constexpr CLSID kCDBMapTypMod = qcom::MakeGuid("D745DD79-2DB9-475C-B483-6B56AE635197");

}  // namespace component::ids
