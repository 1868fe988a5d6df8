#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/commands/Arguments.h"

// The tqhost commands; each takes the words after its name and returns an exit code.
namespace host {

int RunRegsvr(const std::vector<std::string>& args);
int RunInfo(const std::vector<std::string>& args);
int RunNew(const std::vector<std::string>& args);
int RunStream(const std::vector<std::string>& args);
int RunSave(const std::vector<std::string>& args);
int RunSet(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunEdit(const std::vector<std::string>& args);
int RunList(const std::vector<std::string>& args);
int RunGet(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);
int RunExplain(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunDiff(const std::vector<std::string>& args);
int RunAddObject(const std::vector<std::string>& args);
int RunCopyObject(const std::vector<std::string>& args);
int RunRemoveObject(const std::vector<std::string>& args);
int RunRenameObject(const std::vector<std::string>& args);
int RunAddModule(const std::vector<std::string>& args);
int RunRemoveModule(const std::vector<std::string>& args);
int RunConnect(const std::vector<std::string>& args);
int RunDisconnect(const std::vector<std::string>& args);
int RunConnections(const std::vector<std::string>& args);
int RunPoints(const std::vector<std::string>& args);

// What every command does first with its words: --help prints the command's
// help and ends it (exit 0); words it cannot read end it with the usage error.
// Nothing when the command goes on.
std::optional<int> HelpOrUsageError(const std::string& command, const Arguments& args,
                                    const std::string& help);

// The --format option: one of the names given, the first by default;
// nothing when it names none of them.
std::optional<std::string> FormatOf(const Arguments& args, const std::vector<std::string>& names);

// Prints "tqhost <command>: <text>" on standard error and returns the exit code.
int Fail(const std::string& command, const std::string& text, int code);

// A count with its noun as messages write it: "1 object", "2 objects".
std::string Counted(size_t count, const std::string& noun);

// The names in order, with the separator between them.
std::string JoinNames(const std::vector<std::string>& names, const char* separator);

}  // namespace host
