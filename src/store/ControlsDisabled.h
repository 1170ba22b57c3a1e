#pragma once
#include "TransactionTable.h"

// Suspends the updates of the table's attached controls for a scope, and resumes them however
// the scope ends, an error included.
class ControlsDisabled {
public:
    explicit ControlsDisabled(TransactionTable &table) : table_(table) { table_.disableControls(); }
    ~ControlsDisabled() { table_.enableControls(); }
    ControlsDisabled(const ControlsDisabled &) = delete;
    ControlsDisabled &operator=(const ControlsDisabled &) = delete;

private:
    TransactionTable &table_;
};
