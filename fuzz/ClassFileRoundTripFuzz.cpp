// Read a class file, write it, read it again: the two classes must be equal.
#include "FuzzSupport.h"
#include "core/classdata/ClassFile.h"

using namespace tq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::variant<ClassList, Message> first = parseClassFileText(fuzz::inputText(data, size));
    if (!std::holds_alternative<ClassList>(first))
        return 0;
    const ClassList& expected = std::get<ClassList>(first);

    const std::string written = classFileText(std::get<ClassList>(first));
    const std::variant<ClassList, Message> second = parseClassFileText(written);
    fuzz::check(std::holds_alternative<ClassList>(second), "a written class file reads back");
    fuzz::check(std::get<ClassList>(second) == expected, "a written class file reads back unchanged");
    fuzz::check(classFileText(std::get<ClassList>(second)) == classFileText(expected),
                "writing a class that was read back gives the same bytes");
    return 0;
}
