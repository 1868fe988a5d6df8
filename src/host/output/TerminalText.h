#pragma once

#include <string>
#include <string_view>

// What tqhost prints on a terminal: names and values come from project files,
// definitions and the command line, and a control character among them (an
// escape, a carriage return, a C1 control) would be run by the terminal
// instead of shown. On a terminal such characters are written as \xHH
// (\u00HH for a C1 control); text going to a file or a pipe is left as it is.
namespace host {

// The text as a terminal should receive it. pending carries the lead byte of
// a UTF-8 character split between two pieces of one stream; start with 0 and
// hand each piece in turn.
std::string ForTerminal(std::string_view text, unsigned char& pending);

// Makes standard output and standard error pass everything through
// ForTerminal when they are terminals; nothing changes for either otherwise.
void GuardTerminalStreams();

}  // namespace host
