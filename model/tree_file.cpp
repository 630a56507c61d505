#include "model/tree_file.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <streambuf>
#include <system_error>

#include "model/heap_tree.h"

namespace {

constexpr int rootX = 500;
constexpr int rootY = 50;
constexpr int levelHeight = 100;
constexpr int firstLevelStep = 480;

// Opening a FIFO would wait for a writer, and a directory or a device is no tree either: anything
// but a regular file (symbolic links followed) is treated like a missing file.
bool IsRegularFile(const char* name) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::status(name, error));
}

// The integers of the file, each read exactly as the stream's formatted extraction of an int
// reads it in the classic locale: white space (blank, tab, line feed, vertical tab, form feed,
// carriage return) is skipped, then an optional sign and decimal digits are taken up to the first
// byte that cannot continue the number. No digits at all give 0 and a failure; a number outside
// the int range gives the nearest limit and a failure; the end of the file before a number gives
// a failure and leaves the target alone. After a failure nothing more is read, as a failed stream
// reads nothing.
//
// Why not the extraction itself: it consumes every digit of a number before it finds the number
// out of range, so a file of a hundred million digits would keep the start-up busy for a third of
// a second, and a larger file for longer. Here an eleventh significant digit ends the reading at
// once, and runs of blanks or leading zeros are skipped in large blocks.
class IntegerReader {
  public:
    // source is null for a file that could not be opened: then every read fails.
    explicit IntegerReader(std::streambuf* source) : source_(source), failed_(!source) {}

    bool Next(int& number) {
        if (failed_) return false;
        int c = SkipWhile(IsSpace);
        if (c == endOfFile) return Fail();
        const bool negative = c == '-';
        if (c == '-' || c == '+') {
            ++next_;
            c = Peek();
        }
        const bool leadingZero = c == '0';
        c = SkipWhile([](char b) { return b == '0'; });
        long long magnitude = 0;
        int significantDigits = 0;
        for (; c >= '0' && c <= '9'; c = Peek()) {
            // Ten digits reach INT_MAX at most; an eleventh puts the number out of range.
            if (++significantDigits > maxSignificantDigits) {
                number = negative ? INT_MIN : INT_MAX;
                return Fail();
            }
            magnitude = magnitude * 10 + (c - '0');
            ++next_;
        }
        if (significantDigits == 0 && !leadingZero) {
            number = 0;
            return Fail();
        }
        const long long value = negative ? -magnitude : magnitude;
        if (value < INT_MIN || value > INT_MAX) {
            number = value < 0 ? INT_MIN : INT_MAX;
            return Fail();
        }
        number = static_cast<int>(value);
        return true;
    }

  private:
    static constexpr int endOfFile = -1;
    static constexpr int maxSignificantDigits = 10;

    static bool IsSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    bool Fail() {
        failed_ = true;
        return false;
    }

    // The next byte, or endOfFile.
    int Peek() {
        if (next_ == end_ && !Refill()) return endOfFile;
        return static_cast<unsigned char>(*next_);
    }

    // Steps over bytes while skip holds for them and returns the first other one, or endOfFile.
    template <typename Predicate>
    int SkipWhile(Predicate skip) {
        for (;;) {
            while (next_ != end_ && skip(*next_))
                ++next_;
            if (next_ != end_) return static_cast<unsigned char>(*next_);
            if (!Refill()) return endOfFile;
        }
    }

    bool Refill() {
        const std::streamsize n = source_->sgetn(block_, sizeof block_);
        next_ = block_;
        end_ = block_ + (n > 0 ? n : 0);
        return n > 0;
    }

    std::streambuf* source_;
    bool failed_;
    char block_[1 << 16];
    const char* next_ = block_;
    const char* end_ = block_;
};

}  // namespace

void LoadTree() {
    std::ifstream file;
    if (IsRegularFile(treeFileName)) file.open(treeFileName);
    IntegerReader reader(file.is_open() ? file.rdbuf() : nullptr);

    // A file without a single integer still gives a tree of one node, of value 0. A read that
    // fails before it converts anything (no file, only white space) stores nothing, hence the 0.
    int number = 0;
    reader.Next(number);
    HeapTree.value[1] = number;
    HeapTree.x[1] = rootX;
    HeapTree.y[1] = rootY;
    HeapTree.nodeCount = 1;

    int levelY = rootY;
    int nextLevelStart = 2;
    int step = firstLevelStep;
    // The count is tested first, so that nothing is read beyond the last slot.
    while (HeapTree.nodeCount < maxNodeCount && reader.Next(number)) {
        const int n = ++HeapTree.nodeCount;
        if (n == nextLevelStart) {
            levelY += levelHeight;
            nextLevelStart *= 2;
            step /= 2;
        }
        const int parentX = HeapTree.x[n / 2];
        HeapTree.x[n] = n % 2 == 1 ? parentX + step : parentX - step;
        HeapTree.y[n] = levelY;
        HeapTree.value[n] = number;
    }

    HeapTree.firstPick = 0;
}
