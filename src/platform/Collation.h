// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tollwick {

/// How a collator orders runs of digits.
enum class DigitOrder {
    AsText,  // digit by digit: "10" before "9"
    ByValue, // by numeric value: "9" before "10"
};

/// Orders texts for the user's locale with case ignored (secondary strength).
class LocaleCollator {
public:
    explicit LocaleCollator(DigitOrder digits = DigitOrder::AsText);
    ~LocaleCollator();
    LocaleCollator(const LocaleCollator&) = delete;
    LocaleCollator& operator=(const LocaleCollator&) = delete;

    /// Negative, zero or positive, as a comes before, with or after b.
    [[nodiscard]] int Compare(std::string_view a, std::string_view b) const;
    /// A byte string whose plain order is Compare's order; cheaper for sorting many rows.
    [[nodiscard]] std::string SortKey(std::string_view text) const;
    /// SortKey appended to `out`.
    void AppendSortKey(std::string& out, std::string_view text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tollwick
