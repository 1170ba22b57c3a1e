#pragma once

// The fixed password the program registers before it opens its table. It keeps other
// programs honest about which files are ours; it encrypts nothing.
inline constexpr const char *TablePassword = "73915024";
