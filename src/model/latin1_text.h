#pragma once

#include <string>

// Level file texts hold one byte per character, Latin-1. These convert them
// to and from UTF-8; a character outside Latin-1 becomes one "?".
std::string Latin1ToUtf8(const std::string& text);
std::string Utf8ToLatin1(const std::string& text);
