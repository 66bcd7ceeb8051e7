#include "model/latin1_text.h"

std::string Latin1ToUtf8(const std::string& text) {
  std::string utf8;
  for (unsigned char c : text) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// The text must be valid UTF-8 (JSON strings and QString give it); a
// character outside Latin-1 becomes "?", as the editor writes it.
std::string Utf8ToLatin1(const std::string& text) {
  std::string latin1;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    int length = 1;
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    if (length == 2 && i + 1 < text.size() && lead <= 0xC3) {
      latin1 += static_cast<char>(((lead & 0x1F) << 6) | (text[i + 1] & 0x3F));
    } else if (length == 1) {
      latin1 += static_cast<char>(lead);
    } else {
      latin1 += '?';
    }
    i += static_cast<size_t>(length);
  }
  return latin1;
}
