#pragma once

class TransactionTable;

// Something attached to the table (grid, index selector, filter component, report pipeline)
// that wants to hear when it opens, closes or its rows change.
class TableView {
public:
    virtual ~TableView() = default;
    virtual void tableActiveChanged(TransactionTable &table, bool active) = 0;
    // The record set or the current record changed; not sent while updates are suspended.
    virtual void tableDataChanged(TransactionTable &) {}
    // Updates were suspended (true) or resumed (false); a resume is followed by a data change.
    virtual void tableUpdatesSuspended(TransactionTable &, bool /*suspended*/) {}
};
