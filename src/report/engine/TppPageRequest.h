#pragma once
#include "TppEnums.h"

#include <vector>

// Which pages a caller wants: every page, one page, the first or the last, or a list.
struct TppPageRequest {
    TppPageSetting pageSetting = TppPageSetting::psAll;
    int pageNo = 1;                // psSinglePage
    std::vector<int> pageList;     // psPageList
};

// The page numbers a request stands for, given the report's page count and the page shown.
// A single page below 1 is page 1 and one past the end is the last page; a first-page request
// on page 1 and a last-page request on the last page ask for nothing. A list keeps its order
// and leaves out numbers that are not pages of the report, so that printing "2, 9" of a
// five-page report prints page 2 alone instead of page 5 in place of the missing page 9.
std::vector<int> resolvePageRequest(const TppPageRequest &request, int pageCount, int currentPage);
