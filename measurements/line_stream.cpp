#include "measurements/line_stream.h"

#include "curves/tr.h"

#include <cerrno>
#include <cstring>

#include "measurements/import_types.h"

namespace qv {

LineStream::LineStream(const std::string& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        throw ImportError(
            Fill(QV_TR("Cannot open %1: %2."), {BaseName(path), std::strerror(errno)}));
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long size = std::ftell(file_);
        if (size > 0) size_ = static_cast<std::size_t>(size);
        std::fseek(file_, 0, SEEK_SET);
    }
}

LineStream::LineStream(std::string_view text) : text_(text), memory_(true), size_(text.size()) {}

LineStream::~LineStream() {
    if (file_) std::fclose(file_);
}

int LineStream::Byte() {
    if (pending_ >= 0) {
        const int c = pending_;
        pending_ = -1;
        return c;
    }
    if (memory_) {
        if (pos_ >= text_.size()) return -1;
        ++consumed_;
        return static_cast<unsigned char>(text_[pos_++]);
    }
    if (pos_ == end_) {
        end_ = std::fread(buffer_, 1, sizeof buffer_, file_);
        pos_ = 0;
        if (end_ == 0) {
            if (std::ferror(file_))
                throw ImportError(
                    Fill(QV_TR("Reading %1 failed: %2."), {BaseName(path_), std::strerror(errno)}));
            return -1;
        }
    }
    ++consumed_;
    return static_cast<unsigned char>(buffer_[pos_++]);
}

bool LineStream::Next(std::string& line) {
    line.clear();
    overlong_ = false;
    bool any = false;
    for (;;) {
        if (pending_ >= 0 || (memory_ ? pos_ >= text_.size() : pos_ == end_)) {
            // One byte at a time only where a buffer ends or a CR was read ahead.
            const int c = Byte();
            if (c < 0) return any;
            any = true;
            if (c == '\n') return true;
            if (c == '\r') {
                const int next = Byte();
                if (next != '\n' && next >= 0) pending_ = next;
                return true;
            }
            Keep(line, static_cast<char>(c));
            continue;
        }
        // The rest of the buffer up to the line end, in one piece.
        const char* data = memory_ ? text_.data() : buffer_;
        const std::size_t end = memory_ ? text_.size() : end_;
        std::size_t i = pos_;
        while (i < end && data[i] != '\n' && data[i] != '\r') ++i;
        const std::size_t room = kMaxLineChars - std::min(kMaxLineChars, line.size());
        line.append(data + pos_, std::min(room, i - pos_));
        if (i - pos_ > room) overlong_ = true;
        consumed_ += i - pos_;
        any = any || i > pos_;
        pos_ = i;
        if (i < end) {
            any = true;
            const char c = data[pos_++];
            ++consumed_;
            if (c == '\n') return true;
            const int next = Byte();
            if (next != '\n' && next >= 0) pending_ = next;
            return true;
        }
    }
}

void LineStream::Keep(std::string& line, char c) {
    if (line.size() < kMaxLineChars)
        line.push_back(c);
    else
        overlong_ = true;
}

std::string ReadFileStart(const std::string& path, std::size_t n) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw ImportError(
            Fill(QV_TR("Cannot open %1: %2."), {BaseName(path), std::strerror(errno)}));
    std::string start(n, '\0');
    const std::size_t got = std::fread(start.data(), 1, n, f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) throw ImportError(Fill(QV_TR("Reading %1 failed."), {BaseName(path)}));
    start.resize(got);
    return start;
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace qv
