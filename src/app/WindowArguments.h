#pragma once
// What the command line asks of the windowed program: another phrase library or master-file
// folder, as the commands take them, and a class file to open once the start-up window is done
// (a class file double-clicked in the file manager arrives this way).
#include <optional>
#include <string>
#include <vector>

namespace tq {

struct ProgramState;

struct WindowArguments {
    std::optional<std::string> library; // --library FILE
    std::optional<std::string> data;    // --data DIR
    std::string classFile;              // the first class file named; empty = none
};

// True for a name ending in ".tqc", in any case.
bool isClassFileName(const std::string& name);

// The arguments after the program name, once the windowing library has taken its own. Other
// options and files that are not class files are ignored; after "--" every argument is a file.
WindowArguments windowArguments(const std::vector<std::string>& args);

// The command line's folders take the place of the set-up file's and the program folder's.
void applyWindowArguments(const WindowArguments& given, ProgramState& state);

} // namespace tq
