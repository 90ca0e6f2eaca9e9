#pragma once
// SHA-256 of a file's bytes, so a project can tell whether a measurement it
// was made from is still the same file.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

class Sha256 {
  public:
    Sha256();
    void Update(const void* data, std::size_t size);
    // The digest as 64 lower-case hex digits; the object is spent afterwards.
    std::string HexDigest();

  private:
    void Block(const std::uint8_t* p);

    std::array<std::uint32_t, 8> h_;
    std::array<std::uint8_t, 64> buffer_{};
    std::size_t used_ = 0;
    std::uint64_t length_ = 0;
};

std::string Sha256Hex(std::string_view bytes);
// nullopt when the file cannot be read.
std::optional<std::string> FileSha256(const std::string& path);

}  // namespace qv
