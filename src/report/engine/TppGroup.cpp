#include "TppGroup.h"

#include "TppPropertyHelpers.h"

const TppPropertyTable &TppGroup::propertyTable() const {
    using tpp::member;
    using G = TppGroup;
    static const TppPropertyTable table = [] {
        TppPropertyTable t = objectProperties();
        t += {
            member("BreakName", &G::breakName),
            member("BreakType", &G::breakType),
            member("DataPipeline", &G::dataPipeline),
            member("mmNewPageThreshold", &G::mmNewPageThreshold, 0),
            member("mmNewColumnThreshold", &G::mmNewColumnThreshold, 0),
            member("ReprintOnSubsequentPage", &G::reprintOnSubsequentPage),
            member("HeaderForOrphanedFooter", &G::headerForOrphanedFooter),
            member("KeepTogether", &G::keepTogether),
            member("NewPage", &G::newPage),
            member("ResetPageNo", &G::resetPageNo),
        };
        return t;
    }();
    return table;
}
