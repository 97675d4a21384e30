#include "core/entry/CellKeys.h"

#include "core/classdata/ClassFile.h"

namespace tq {

namespace {
bool isLetterOrDigit(int c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int upper(int c)
{
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}
} // namespace

CellKey cellKey(CellKind kind, int charCode)
{
    using Action = CellKey::Action;
    const bool clearing = charCode == deleteCharCode || charCode == backspaceCharCode;
    switch (kind) {
    case CellKind::Comment:
        if (clearing)
            return {Action::Clear, {}};
        if (isLetterOrDigit(charCode))
            return {Action::TypeCode, std::string(1, static_cast<char>(charCode))};
        break;
    case CellKind::Skill: {
        if (clearing)
            return {Action::Clear, {}};
        if (charCode >= '1' && charCode <= '4')
            return {Action::Rate, std::string(1, static_cast<char>(charCode))};
        const std::string letter(1, static_cast<char>(upper(charCode)));
        if (const std::string_view rating = skillLetterToCode(letter); !rating.empty() && isLetterOrDigit(charCode))
            return {Action::Rate, std::string(rating)};
        break;
    }
    case CellKind::Flag:
        if (clearing)
            return {Action::Clear, {}};
        if (charCode == spaceCharCode)
            return {Action::ToggleFlag, {}};
        break;
    case CellKind::Other:
        break;
    }
    return {};
}

std::string filterCodeText(const std::string& typed)
{
    std::string code;
    for (const char c : typed)
        if (isLetterOrDigit(static_cast<unsigned char>(c)) && code.size() < longestTypedCode)
            code.push_back(c);
    return code;
}

Message unknownTypedCodeMessage(const std::string& code)
{
    return Message{"The phrase library has no comment with the code " + code +
                       ". Nothing was placed; check the code in the favourites list or in Comment Selection.",
                   programTitle, Message::Icon::Exclamation};
}

} // namespace tq
