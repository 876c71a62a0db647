#pragma once
// What a read hands back: the platform's treatment of defaults, quotes,
// buffer sizes and numbers. All text here is ANSI, one byte per character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zel::ini {

// A caller's default loses its trailing spaces (only 0x20), but an all-space
// default keeps one space.
std::string_view trim_default(std::string_view default_text);

// The text a caller's buffer of `buffer_size` characters receives for
// `value`: at most buffer_size - 1 characters. A value of two or more
// characters that starts and ends with the same quote (' or ") loses the
// pair; when the buffer is exactly one character too short for the unquoted
// text, the platform drops one character more, and so does this.
std::string copy_entry(std::string_view value, std::size_t buffer_size);

// At most buffer_size - 1 characters of `text`, with no quote handling.
std::string truncate_to_buffer(std::string_view text, std::size_t buffer_size);

// The platform's number reading: skips characters up to and including space,
// then an optional "+" or "-", then a base prefix "0x", "0o" or "0b" (lower
// case only), then digits of that base (decimal without a prefix) up to the
// first other character. Overflow wraps modulo 2^32.
std::uint32_t parse_profile_int(std::string_view text);

// Integer reads see at most this many characters of a value (the platform
// reads them through a buffer of 30).
inline constexpr std::size_t kIntReadBuffer = 30;

}  // namespace zel::ini
