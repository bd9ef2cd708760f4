// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rename/Row.h"

#include <cstddef>
#include <vector>

namespace tollwick {

/// The shown rows: copies of master rows of their own, or, while they are
/// every master row in master order (the filter off), the master rows
/// themselves, so that a million rows are not held twice. A shown row
/// changed in place then changes its master row too, as storing the shown
/// rows back would. A change of which rows there are, or of their order,
/// first makes the rows a copy of their own.
class ShownList {
public:
    using value_type = Row;
    using size_type = std::size_t;
    using iterator = std::vector<Row>::iterator;
    using const_iterator = std::vector<Row>::const_iterator;

    explicit ShownList(std::vector<Row>& master) : master_(&master) {}
    /// The rows of `other`, sharing `master` where `other` shares its own.
    ShownList(const ShownList& other, std::vector<Row>& master)
        : master_(&master), own_(other.own_), sharesMaster_(other.sharesMaster_)
    {
    }
    ShownList(ShownList&& other, std::vector<Row>& master) noexcept
        : master_(&master), own_(std::move(other.own_)), sharesMaster_(other.sharesMaster_)
    {
    }
    ShownList(const ShownList&) = delete;
    ShownList(ShownList&&) = delete;
    ~ShownList() = default;
    /// Takes the rows of `other` and whether they share the master; this
    /// list's master stays its own.
    ShownList& operator=(const ShownList& other);
    ShownList& operator=(ShownList&& other) noexcept;
    ShownList& operator=(std::vector<Row> rows);

    /// The shown rows become the master rows themselves.
    void ShareMaster();
    [[nodiscard]] bool SharesMaster() const { return sharesMaster_; }

    [[nodiscard]] const std::vector<Row>& Rows() const { return sharesMaster_ ? *master_ : own_; }
    // NOLINTNEXTLINE(google-explicit-constructor): the rows read as the vector they are.
    operator const std::vector<Row>&() const { return Rows(); }

    [[nodiscard]] std::size_t size() const { return Rows().size(); }
    [[nodiscard]] bool empty() const { return Rows().empty(); }
    [[nodiscard]] const Row& operator[](std::size_t k) const { return Rows()[k]; }
    [[nodiscard]] Row& operator[](std::size_t k) { return Active()[k]; }
    [[nodiscard]] const Row& at(std::size_t k) const { return Rows().at(k); }
    [[nodiscard]] Row& at(std::size_t k) { return Active().at(k); }
    [[nodiscard]] const Row& front() const { return Rows().front(); }
    [[nodiscard]] const Row& back() const { return Rows().back(); }
    [[nodiscard]] const_iterator begin() const { return Rows().begin(); }
    [[nodiscard]] const_iterator end() const { return Rows().end(); }
    /// For changing rows in place, not for moving them: see the class.
    [[nodiscard]] iterator begin() { return Active().begin(); }
    [[nodiscard]] iterator end() { return Active().end(); }

    void clear();
    void push_back(Row row) { Own().push_back(std::move(row)); }
    void pop_back() { Own().pop_back(); }
    void resize(std::size_t count) { Own().resize(count); }
    void reserve(std::size_t count) { Own().reserve(count); }
    iterator erase(const_iterator position);

    friend bool operator==(const ShownList& a, const ShownList& b) { return a.Rows() == b.Rows(); }
    friend bool operator==(const ShownList& a, const std::vector<Row>& b) { return a.Rows() == b; }

private:
    [[nodiscard]] std::vector<Row>& Active() { return sharesMaster_ ? *master_ : own_; }
    /// The rows as a copy of their own, for a change that the master must not see.
    std::vector<Row>& Own();

    std::vector<Row>* master_;
    std::vector<Row> own_;
    bool sharesMaster_ = false;
};

} // namespace tollwick
