#pragma once

// Enumerations of the report definition that the shared page vocabulary does not carry.

enum class TppBandType {
    btTitle, btHeader, btColumnHeader, btGroupHeader, btDetail, btGroupFooter, btColumnFooter,
    btFooter, btSummary
};

enum class TppBreakType { btDataField, btCustomField };

enum class TppPassSetting { psOnePass, psTwoPass };

enum class TppLinePosition { lpTop, lpBottom };

enum class TppPageSetting { psAll, psSinglePage, psFirstPage, psLastPage, psPageList };
