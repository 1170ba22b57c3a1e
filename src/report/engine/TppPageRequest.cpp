#include "TppPageRequest.h"

#include <algorithm>

std::vector<int> resolvePageRequest(const TppPageRequest &request, int pageCount, int currentPage) {
    std::vector<int> pages;
    if (pageCount <= 0) return pages;
    switch (request.pageSetting) {
    case TppPageSetting::psAll:
        for (int page = 1; page <= pageCount; ++page) pages.push_back(page);
        break;
    case TppPageSetting::psSinglePage: pages.push_back(std::clamp(request.pageNo, 1, pageCount)); break;
    case TppPageSetting::psFirstPage:
        if (currentPage != 1) pages.push_back(1);
        break;
    case TppPageSetting::psLastPage:
        if (currentPage != pageCount) pages.push_back(pageCount);
        break;
    case TppPageSetting::psPageList:
        for (int page : request.pageList)
            if (page >= 1 && page <= pageCount) pages.push_back(page);
        break;
    }
    return pages;
}
