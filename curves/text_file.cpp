#include "curves/text_file.h"
#include "curves/tr.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace qv {
namespace {

std::string SystemText(int err) {
    return std::strerror(err);
}

std::FILE* OpenFile(const std::string& name, const char* mode) {
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec)) {
        errno = EISDIR;
        return nullptr;
    }
    return std::fopen(name.c_str(), mode);
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    // A character has at most three continuation bytes after its lead byte.
    std::size_t cut = maxBytes;
    while (cut > 0 && maxBytes - cut < 3 && IsContinuationByte(text[cut])) --cut;
    if (IsContinuationByte(text[cut])) cut = maxBytes;
    return text.substr(0, cut);
}

LineReader::LineReader(const std::string& name) : name_(name) {
    file_ = OpenFile(name, "rb");
    if (file_ == nullptr)
        throw FileError(
            Fill(QV_TR("Fehler beim Zugriff auf %1 !  (%2)"), {name, SystemText(errno)}));
}

LineReader::~LineReader() {
    if (file_ != nullptr) std::fclose(file_);
}

int LineReader::NextByte() {
    if (pos_ == end_) {
        end_ = std::fread(buffer_, 1, sizeof buffer_, file_);
        pos_ = 0;
        if (end_ == 0) {
            if (std::ferror(file_))
                throw FileError(Fill(QV_TR("Lesefehler in %1: %2"), {name_, SystemText(errno)}));
            return EOF;
        }
    }
    return static_cast<unsigned char>(buffer_[pos_++]);
}

bool LineReader::ReadLine(std::string& line, std::size_t maxChars) {
    line.clear();
    int c = NextByte();
    if (c == EOF) return false;
    for (; c != EOF && c != '\n'; c = NextByte()) {
        // The CR of CR LF, and a lone CR, never belong to the line.
        if (c != '\r' && line.size() < maxChars) line.push_back(static_cast<char>(c));
    }
    return true;
}

LineWriter::LineWriter(const std::string& name) : name_(name) {
    file_ = OpenFile(name, "wb");
    if (file_ == nullptr)
        throw FileError(
            Fill(QV_TR("Fehler beim Zugriff auf %1 !  (%2)"), {name, SystemText(errno)}));
}

LineWriter::~LineWriter() {
    if (file_ != nullptr) std::fclose(file_);
}

void LineWriter::WriteLine(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() ||
        std::fwrite("\r\n", 1, 2, file_) != 2)
        throw FileError(Fill(QV_TR("Schreibfehler in %1: %2"), {name_, SystemText(errno)}));
}

void LineWriter::Close() {
    std::FILE* f = file_;
    file_ = nullptr;
    if (f != nullptr && std::fclose(f) != 0)
        throw FileError(Fill(QV_TR("Schreibfehler in %1: %2"), {name_, SystemText(errno)}));
}

}  // namespace qv
