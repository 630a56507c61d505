#pragma once

// Makers of tree files no student should have: huge, binary, or not files at all. The hostile
// file tests and the benchmarks build the same ones.

#include <cstddef>
#include <string>
#include <vector>

namespace test {

// The size of the big ones.
constexpr std::size_t kHugeFileSize = 100'000'000;

// Writes head, then count copies of fill, then tail, to path.
void WriteFilled(const std::string& path, const std::string& head, char fill, std::size_t count,
                 const std::string& tail);

// Writes head, then count bytes of a fixed pseudo-random sequence (the same on every run).
void WriteNoise(const std::string& path, const std::string& head, std::size_t count);

// The file's bytes, or empty when it is no regular file.
std::string ReadBytes(const std::string& path);

// The node values the reading rules give for a tree file of these bytes, found the way the rules
// say it: the standard stream's formatted extraction of one int after another until the first
// that fails (the first one counts all the same), at most 99.
std::vector<int> ReadByTheRules(const std::string& bytes);

void MakeDirectory(const std::string& path);
void MakeFifo(const std::string& path);
void MakeLink(const std::string& path, const std::string& target);

}  // namespace test
