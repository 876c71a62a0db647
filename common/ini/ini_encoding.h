#pragma once
// Text encodings of profile files.
//
// A file is ANSI (code page 1252, the platform's code page here) unless it
// starts with a byte-order mark: EF BB BF (UTF-8), FF FE (UTF-16LE) or FE FF
// (UTF-16BE). A file keeps its encoding and its mark when it is rewritten.
//
// Inside the store, text of an ANSI file is its bytes; text of a file with a
// mark is UTF-8 (UTF-16 content converted, unpaired surrogates kept as
// three-byte sequences so that they survive a rewrite). Callers speak ANSI:
// names and values cross between the two with ansi_to_text / text_to_ansi.
#include <cstdint>
#include <string>
#include <string_view>

namespace zel::ini {

enum class Encoding : std::uint8_t { ansi, utf8, utf16le, utf16be };

// The encoding of a file and the length of its byte-order mark.
struct Detected {
  Encoding encoding = Encoding::ansi;
  std::size_t mark_length = 0;
};
Detected detect_encoding(std::string_view file_bytes);

// The store's text of a file (see above). `bytes_after_mark` views the
// caller's buffer; for UTF-16 the converted text is held here.
class FileText {
 public:
  explicit FileText(std::string_view file_bytes);
  FileText(const FileText&) = delete;
  FileText& operator=(const FileText&) = delete;

  Encoding encoding() const { return encoding_; }
  std::string_view text() const { return converted_ ? std::string_view(storage_) : view_; }

 private:
  Encoding encoding_ = Encoding::ansi;
  bool converted_ = false;
  std::string_view view_;
  std::string storage_;
};

// The file bytes for the store's text: the mark, then the text encoded.
std::string encode_file(std::string_view text, Encoding encoding);

// A caller's ANSI string as text of a file in `encoding`.
std::string ansi_to_text(std::string_view ansi, Encoding encoding);

// Text of a file in `encoding` as the caller's ANSI string: one byte per
// UTF-16 unit, "?" for a character that code page 1252 lacks (two for a
// character beyond the BMP) and for each byte that is not valid UTF-8.
std::string text_to_ansi(std::string_view text, Encoding encoding);

}  // namespace zel::ini
