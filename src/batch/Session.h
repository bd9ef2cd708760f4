#pragma once

#include "batch/Commands.h"
#include "rename/Filter.h"
#include "rename/ListCommands.h"
#include "rename/Progress.h"
#include "rename/RenameList.h"

#include <ostream>
#include <stdexcept>
#include <string>

namespace tollwick::batch {

/// What lives between the steps, as the window holds it between commands.
struct BatchState {
    RenameList list;
    std::string dirName; // the list folder, with a closing "/"
    FilterSettings filter;
    SortState sort;
    bool checkedOnly = false; // the generator page's check box
};

/// Runs steps one after the other on one state, printing what they print.
class Session {
public:
    Session(BatchState start, std::ostream& out) : state_(std::move(start)), out_(out) {}

    /// Runs one step; a failure raises the core's error and leaves the state as the step left it.
    void Run(const Step& step);

    [[nodiscard]] const BatchState& State() const { return state_; }

    void operator()(const ScanStep& step);
    void operator()(const FilterTermsStep& step);
    void operator()(const FilterDatesStep& step);
    void operator()(const FilterToggleStep& step);
    void operator()(const CheckedOnlyStep& step);
    void operator()(const ListCommandStep& step);
    void operator()(const SortStep& step);
    void operator()(const PrintListStep& step);
    template <typename Pending> void operator()(const Pending&) { throw std::runtime_error("not yet"); }

private:
    void FilterPass();

    BatchState state_;
    std::ostream& out_;
    Progress progress_; // no bar to show
};

} // namespace tollwick::batch
