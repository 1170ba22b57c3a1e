#pragma once

class TppReport;

// Replaces the report's definition with the built-in transaction report `ppReport1`: Letter
// paper with quarter-inch margins, title, group `ppGroup2` with its header and footer, one
// row per transaction, the grand total and the page footer.
void buildTransactionReport(TppReport &report);
