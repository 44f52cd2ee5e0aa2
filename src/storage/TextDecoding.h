// Text from files written by older 8-bit programs.
#pragma once

#include <string>
#include <string_view>

bool IsValidUtf8(std::string_view text);

// Windows-1252 bytes as UTF-8. The five bytes that code page leaves
// undefined become the control characters of the same value, so every
// byte survives.
std::string Windows1252ToUtf8(std::string_view text);

// Valid UTF-8 as it is; anything else taken as Windows-1252.
std::string DecodeText(std::string_view text);
