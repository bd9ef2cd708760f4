// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tollwick {

/// Orders texts for the user's locale with case ignored (secondary strength).
class LocaleCollator {
public:
    LocaleCollator();
    ~LocaleCollator();
    LocaleCollator(const LocaleCollator&) = delete;
    LocaleCollator& operator=(const LocaleCollator&) = delete;

    /// Negative, zero or positive, as a comes before, with or after b.
    [[nodiscard]] int Compare(std::string_view a, std::string_view b) const;
    /// A byte string whose plain order is Compare's order; cheaper for sorting many rows.
    [[nodiscard]] std::string SortKey(std::string_view text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tollwick
