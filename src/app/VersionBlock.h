#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The version information the program file carries: a marker, a 32-bit payload length and
// the payload, all little-endian. The payload holds the file and product versions as two
// 32-bit words each (major and minor, release and build in the high and low halves), then the
// translations, each with its string table of key and value pairs (16-bit lengths).
namespace VersionBlock {

inline constexpr std::string_view Marker = "\x7fSpendrakeVersionBlock\x01";
inline constexpr std::size_t MaximumPayload = 64 * 1024;

inline constexpr std::array<std::string_view, 11> KeyNames = {
    "CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright", "LegalTrademarks",
    "OriginalFilename", "ProductName", "ProductVersion", "Comments", "BuildFlags"};

struct Contents {
    std::array<std::uint16_t, 4> fileVersion;     // major, minor, release, build
    std::array<std::uint16_t, 4> productVersion;
    std::uint16_t language;
    std::uint16_t codePage;
    std::array<std::string_view, 11> values;      // by key index
};

// Writes the block to `out` (nothing is written when it is null) and returns its size, so
// that the same code sizes and fills a compile-time array.
constexpr std::size_t encode(const Contents &contents, char *out) {
    std::size_t at = 0;
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i, ++at)
            if (out) out[at] = char((value >> (8 * i)) & 0xff);
    };
    auto putText = [&](std::string_view text) {
        put(std::uint32_t(text.size()), 2);
        for (char c : text) {
            if (out) out[at] = c;
            ++at;
        }
    };
    for (char c : Marker) {
        if (out) out[at] = c;
        ++at;
    }
    const std::size_t lengthAt = at;
    put(0, 4);
    const auto word = [](std::uint16_t high, std::uint16_t low) { return (std::uint32_t(high) << 16) | low; };
    put(word(contents.fileVersion[0], contents.fileVersion[1]), 4);
    put(word(contents.fileVersion[2], contents.fileVersion[3]), 4);
    put(word(contents.productVersion[0], contents.productVersion[1]), 4);
    put(word(contents.productVersion[2], contents.productVersion[3]), 4);
    put(1, 2);  // one translation
    put(contents.language, 2);
    put(contents.codePage, 2);
    put(std::uint32_t(KeyNames.size()), 2);
    for (std::size_t i = 0; i < KeyNames.size(); ++i) {
        putText(KeyNames[i]);
        putText(contents.values[i]);
    }
    const std::size_t payload = at - lengthAt - 4;
    if (out)
        for (int i = 0; i < 4; ++i) out[lengthAt + i] = char((payload >> (8 * i)) & 0xff);
    return at;
}

} // namespace VersionBlock
