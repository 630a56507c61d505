#include "tests/shell/hostile_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <vector>

namespace test {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    std::fprintf(stderr, "hostile files: cannot %s %s\n", what.c_str(), path.c_str());
    std::abort();
}

constexpr std::size_t kChunk = 1 << 20;

}  // namespace

void WriteFilled(const std::string& path, const std::string& head, char fill, std::size_t count,
                 const std::string& tail) {
    std::ofstream out(path, std::ios::binary);
    out << head;
    const std::vector<char> chunk(std::min(count, kChunk), fill);
    for (std::size_t left = count; left > 0;) {
        const std::size_t n = std::min(left, chunk.size());
        out.write(chunk.data(), static_cast<std::streamsize>(n));
        left -= n;
    }
    out << tail;
    if (!out) Fail("write", path);
}

void WriteNoise(const std::string& path, const std::string& head, std::size_t count) {
    std::ofstream out(path, std::ios::binary);
    out << head;
    // The engine's output is fixed by the standard, so every run writes the same bytes.
    std::mt19937 engine(20240611u);
    std::vector<char> chunk;
    for (std::size_t left = count; left > 0;) {
        chunk.resize(std::min(left, kChunk));
        for (char& byte : chunk)
            byte = static_cast<char>(engine() & 0xFF);
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        left -= chunk.size();
    }
    if (!out) Fail("write", path);
}

std::string ReadBytes(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<int> ReadByTheRules(const std::string& bytes) {
    constexpr std::size_t maxNodes = 99;
    std::istringstream in(bytes);
    int number = 0;
    in >> number;
    std::vector<int> values{number};
    while (values.size() < maxNodes && in >> number)
        values.push_back(number);
    return values;
}

void MakeDirectory(const std::string& path) {
    if (mkdir(path.c_str(), 0700) != 0) Fail("make the directory", path);
}

void MakeFifo(const std::string& path) {
    if (mkfifo(path.c_str(), 0600) != 0) Fail("make the FIFO", path);
}

void MakeLink(const std::string& path, const std::string& target) {
    if (symlink(target.c_str(), path.c_str()) != 0) Fail("make the link", path);
}

}  // namespace test
