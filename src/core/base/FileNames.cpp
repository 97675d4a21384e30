#include "core/base/FileNames.h"

#include <algorithm>
#include <cctype>

namespace tq {

namespace {
bool endsWithNoCase(const std::string& text, const std::string& tail)
{
    if (text.size() < tail.size())
        return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
}
} // namespace

std::string withRequiredExtension(const std::string& path, const std::string& extension)
{
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || extension.empty())
        return path;
    if (endsWithNoCase(name, extension) && name.size() > extension.size())
        return path.substr(0, path.size() - extension.size()) + extension;
    return path + extension;
}

} // namespace tq
