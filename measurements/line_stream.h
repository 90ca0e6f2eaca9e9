#pragma once
// Lines of a text file read as a stream: a line ends at LF, CR LF or a lone
// CR; the last line needs no line end. Memory stays bounded whatever the
// file's size: an overlong line keeps only its first kMaxLineChars.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace qv {

class LineStream {
  public:
    static constexpr std::size_t kMaxLineChars = 1 << 16;

    // Opens a file; throws ImportError when it cannot be opened.
    explicit LineStream(const std::string& path);
    // Reads text held in memory (it must outlive the stream).
    explicit LineStream(std::string_view text);
    ~LineStream();
    LineStream(const LineStream&) = delete;
    LineStream& operator=(const LineStream&) = delete;

    // The next line without its line end; false at the end. A line longer
    // than kMaxLineChars is cut and marked (overlong()).
    bool Next(std::string& line);
    bool overlong() const { return overlong_; }
    // Bytes consumed so far and in all (0 when the size is unknown).
    std::size_t consumed() const { return consumed_; }
    std::size_t size() const { return size_; }

  private:
    int Byte();
    void Keep(std::string& line, char c);
    std::string path_;
    std::FILE* file_ = nullptr;
    std::string_view text_;
    bool memory_ = false;
    char buffer_[1 << 16];
    std::size_t pos_ = 0, end_ = 0;
    std::size_t consumed_ = 0, size_ = 0;
    int pending_ = -1;  // a byte read ahead after a CR
    bool overlong_ = false;
};

// The first bytes of a file (up to n); throws ImportError when it cannot be read.
std::string ReadFileStart(const std::string& path, std::size_t n);

// The name of a file without its folders.
std::string BaseName(const std::string& path);

}  // namespace qv
