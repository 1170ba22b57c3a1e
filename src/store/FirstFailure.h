#pragma once
#include <exception>

// Runs clean-up steps one after another however each one ends, and keeps the first failure
// to hand on: a later step's error must not hide the one that explains what happened.
class FirstFailure {
public:
    template <class Step> void attempt(const Step &step) {
        try {
            step();
        } catch (...) {
            if (!failure_) failure_ = std::current_exception();
        }
    }
    std::exception_ptr failure() const { return failure_; }
    void rethrow() const {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    std::exception_ptr failure_;
};
