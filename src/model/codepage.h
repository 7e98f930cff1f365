// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-byte Cyrillic code page Windows-1251 at the file boundary. Texts are
// UTF-8 inside the program.
#include <string>

namespace kelpmark {

// Bytes in Windows-1251 to UTF-8. Byte 0x98, unassigned in the code page, maps to
// U+0098, so every byte survives a round trip.
std::string cp1251ToUtf8(const std::string& bytes);

// UTF-8 to Windows-1251; characters the code page lacks (and malformed UTF-8)
// become '?'.
std::string utf8ToCp1251(const std::string& text);

}  // namespace kelpmark
