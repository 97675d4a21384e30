#include "bench/Floors.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace tq::bench {

std::vector<std::string> readLinesFloor(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

bool writeLinesFloor(const std::string& path, const std::vector<std::string>& lines, Durability durability)
{
    const bool durable = durability == Durability::Durable;
    const std::string target = durable ? path + ".floor-tmp" : path;
    std::FILE* file = std::fopen(target.c_str(), "wb");
    if (!file)
        return false;
    bool ok = true;
    for (const std::string& line : lines)
        ok = ok && std::fputs(line.c_str(), file) >= 0 && std::fputs("\r\n", file) >= 0;
    ok = std::fflush(file) == 0 && ok;
    if (durable)
        ok = ::fsync(::fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (!durable)
        return ok;
    ok = ok && std::rename(target.c_str(), path.c_str()) == 0;
    const size_t slash = path.find_last_of('/');
    const int dir = ::open(slash == std::string::npos ? "." : path.substr(0, slash).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return ok;
}

} // namespace tq::bench
