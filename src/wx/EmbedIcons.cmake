# Writes a header with the bytes of the window icons' PNG files.
set(text "// Generated from data/icons: the window icons as PNG bytes.\n#pragma once\n\n")
foreach(size 16 32 48)
  file(READ ${PNG${size}} bytes HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
  string(APPEND text "inline constexpr unsigned char kAppIconPng${size}[] = {${bytes}};\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
