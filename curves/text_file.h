#pragma once
// The line layer under every text file of the system: a line ends at LF or
// CR LF, a CR not followed by LF is dropped, every written line ends CR LF.

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qv {

// A file that passed its access check but failed while being read or written.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The longest start of text of at most maxBytes bytes that does not end
// inside a UTF-8 character (names chosen in a file dialog are UTF-8). Text
// that is not UTF-8 is cut at maxBytes.
std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes);

class LineReader {
  public:
    // Throws FileError when the file cannot be opened.
    explicit LineReader(const std::string& name);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The first maxChars characters of the next line (the rest of the line is
    // skipped); false at the end of the file. Throws FileError on a read error.
    bool ReadLine(std::string& line, std::size_t maxChars);

  private:
    int NextByte();
    std::string name_;
    std::FILE* file_ = nullptr;
    char buffer_[1 << 16];
    std::size_t pos_ = 0, end_ = 0;
};

class LineWriter {
  public:
    // Creates or empties the file; throws FileError when it cannot.
    explicit LineWriter(const std::string& name);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void WriteLine(std::string_view text);
    // Flushes and closes; throws FileError when the data did not reach the file.
    void Close();

  private:
    std::string name_;
    std::FILE* file_ = nullptr;
};

}  // namespace qv
