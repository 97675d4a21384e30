#include "app/WindowArguments.h"

#include "core/program/ProgramState.h"

#include <algorithm>

namespace tq {

bool isClassFileName(const std::string& name)
{
    constexpr std::string_view extension = ".tqc";
    if (name.size() <= extension.size())
        return false;
    return std::equal(extension.begin(), extension.end(), name.end() - static_cast<std::ptrdiff_t>(extension.size()),
                      [](char e, char c) { return e == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
}

WindowArguments windowArguments(const std::vector<std::string>& args)
{
    WindowArguments given;
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (options && a == "--") {
            options = false;
        } else if (options && (a == "--library" || a == "--data")) {
            if (i + 1 < args.size())
                (a == "--library" ? given.library : given.data) = args[++i];
        } else if (options && a.starts_with("--library=")) {
            given.library = a.substr(10);
        } else if (options && a.starts_with("--data=")) {
            given.data = a.substr(7);
        } else if (options && a.starts_with("-")) {
            continue;
        } else if (given.classFile.empty() && isClassFileName(a)) {
            given.classFile = a;
        }
    }
    return given;
}

void applyWindowArguments(const WindowArguments& given, ProgramState& state)
{
    if (given.library && !given.library->empty())
        state.folders.phraseLibraryFile = *given.library;
    if (given.data && !given.data->empty())
        state.folders.dataFolder = *given.data;
}

} // namespace tq
