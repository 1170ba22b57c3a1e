#pragma once
#include <QString>
#include <vector>

// The pages a page-range text names, ascending and without duplicates: every run of digits is
// a page number, any other character ends it; "a-b" names the pages a to b, and a range whose
// end is below its start names just its two ends. "1,3,5-12" gives 1, 3, 5 to 12. Whether a
// page exists is left to the printing; numbers beyond any report clamp to the largest int.
std::vector<int> parsePageList(const QString &text);
