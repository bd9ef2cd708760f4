// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/Filter.h"

#include "platform/TextSearch.h"
#include "rename/DateText.h"
#include "rename/TextRoutines.h"

#include <algorithm>
#include <optional>

namespace tollwick {
namespace {

struct PreparedTest {
    bool on = false;
    std::vector<TextSearcher> terms;
};

PreparedTest PrepareNameTest(bool on, const std::vector<std::string>& terms)
{
    PreparedTest test{on, {}};
    for (const std::string& term : terms) {
        test.terms.emplace_back(term, true);
    }
    return test;
}

bool NamePasses(const PreparedTest& test, const std::string& name)
{
    if (!test.on) {
        return true;
    }
    return std::any_of(test.terms.begin(), test.terms.end(),
                       [&name](const TextSearcher& term) { return term.Find(name).has_value(); });
}

struct DateBounds {
    LocalDateTime lower;
    LocalDateTime upper;
};

DateBounds BoundsOf(const FilterSettings& settings)
{
    const CalendarDate& first = settings.firstDate;
    const CalendarDate& last = settings.lastDate;
    // The end of the last day, so that a single chosen day keeps its files.
    return {{first.year, first.month, first.day, 0, 0, 0}, {last.year, last.month, last.day, 23, 59, 59}};
}

// Compared as times, not as texts: the year has no fixed width, and a
// first day before the year 1000 would sort after every file's date.
bool DatePasses(bool on, const DateBounds& bounds, const RowDate& date)
{
    if (!on) {
        return true;
    }
    return date && bounds.lower <= *date && *date <= bounds.upper;
}

bool PassesPrepared(const Row& row, const PreparedTest& oldTest, const PreparedTest& newTest, bool dateOn,
                    const DateBounds& bounds)
{
    return NamePasses(oldTest, row.OldName) && NamePasses(newTest, row.NewName) && DatePasses(dateOn, bounds, row.Date);
}

} // namespace

std::vector<std::string> SplitFilterTerms(const std::string& cleanedEdit)
{
    std::vector<std::string> terms;
    std::size_t start = 0;
    while (start <= cleanedEdit.size()) {
        std::size_t end = cleanedEdit.find(';', start);
        if (end == std::string::npos) {
            end = cleanedEdit.size();
        }
        if (end > start) {
            terms.push_back(cleanedEdit.substr(start, end - start));
        }
        start = end + 1;
    }
    return terms;
}

FilterSettings ApplyFilter(RenameList& list, const FilterSettings& settings, Progress& progress)
{
    StoreShownRows(list, progress);
    if (!settings.on) {
        list.FilterList.ShareMaster();
        return settings;
    }
    FilterSettings shown = settings;
    {
        ProgressPass pass(progress, 100);
        shown.oldNameTerms = StripForbiddenChars(settings.oldNameTerms, ';');
        list.OldNameTerms = SplitFilterTerms(shown.oldNameTerms);
        shown.oldNameTest = settings.oldNameTest && !list.OldNameTerms.empty();
        shown.newNameTerms = StripForbiddenChars(settings.newNameTerms, ';');
        list.NewNameTerms = SplitFilterTerms(shown.newNameTerms);
        shown.newNameTest = settings.newNameTest && !list.NewNameTerms.empty();

        const PreparedTest oldTest = PrepareNameTest(shown.oldNameTest, list.OldNameTerms);
        const PreparedTest newTest = PrepareNameTest(shown.newNameTest, list.NewNameTerms);
        const DateBounds bounds = BoundsOf(shown);
        list.FilterList.clear();
        pass.Restart(BarMaximum(list.TotalList.size()));
        int step = 0;
        for (const Row& row : list.TotalList) {
            if (PassesPrepared(row, oldTest, newTest, shown.dateTest, bounds)) {
                list.FilterList.push_back(row);
            }
            pass.Step(++step);
        }
    }
    return shown;
}

bool RowPassesFilter(const RenameList& list, std::size_t masterPosition, const FilterSettings& settings)
{
    return PassesPrepared(
        list.TotalList.at(masterPosition), PrepareNameTest(settings.oldNameTest, list.OldNameTerms),
        PrepareNameTest(settings.newNameTest, list.NewNameTerms), settings.dateTest, BoundsOf(settings));
}

CalendarDate LastDateAfterFirstChanged(CalendarDate first, CalendarDate last)
{
    return last < first ? first : last;
}

CalendarDate FirstDateAfterLastChanged(CalendarDate first, CalendarDate last)
{
    return last < first ? last : first;
}

} // namespace tollwick
