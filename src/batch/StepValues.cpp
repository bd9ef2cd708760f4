// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/StepValues.h"

#include "batch/UsageError.h"
#include "platform/RealPath.h"
#include "session/Vocabulary.h"

#include <charconv>
#include <filesystem>
#include <system_error>
#include <utility>

namespace tollwick::batch {
namespace {

namespace fs = std::filesystem;

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

int ParseNumber(std::string_view text, int min, int max, std::string_view what)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < min || value > max) {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a number from " + std::to_string(min) +
                         " to " + std::to_string(max));
    }
    return value;
}

CalendarDate ParseDate(std::string_view text, std::string_view what)
{
    const auto bad = [&] {
        return UsageError(std::string(what) + ": " + Quoted(text) + " is not a date written YYYY-MM-DD");
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4)) ||
        !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2))) {
        throw bad();
    }
    CalendarDate date;
    std::from_chars(text.data(), text.data() + 4, date.year);
    std::from_chars(text.data() + 5, text.data() + 7, date.month);
    std::from_chars(text.data() + 8, text.data() + 10, date.day);
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month)) {
        throw bad();
    }
    return date;
}

CaseStep ParseCaseMode(std::string_view text)
{
    CaseStep step;
    const std::size_t colon = text.find(':');
    const std::string_view mode = text.substr(0, colon);
    const bool hasOption = colon != std::string_view::npos;
    const std::string_view option = hasOption ? text.substr(colon + 1) : std::string_view();
    if (mode == "lower" && !hasOption) {
        step.mode = CaseMode::Lower;
    } else if (mode == "upper" && !hasOption) {
        step.mode = CaseMode::Upper;
    } else if (mode == "swap" && !hasOption) {
        step.mode = CaseMode::Swap;
    } else if (mode == "first") {
        step.mode = CaseMode::First;
        step.firstCount = hasOption ? ParseNumber(option, 1, largestStepNumber, "--case first:N") : 1;
    } else if (mode == "words" && (!hasOption || option == "underscore")) {
        step.mode = CaseMode::Words;
        step.underscoreStartsWord = hasOption;
    } else {
        throw UsageError("--case: " + Quoted(text) +
                         " is not one of lower, upper, first, first:N, swap, words, words:underscore");
    }
    return step;
}

std::string ParseFolder(std::string_view text, std::string_view what)
{
    // Resolved once: the folder checked here is the one listed, renamed in
    // and written into undo files, which must lead back from anywhere.
    ResolvedFolder resolved = ResolveFolder(std::string(text));
    if (!resolved.folder) {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a folder (" + resolved.reason + ")");
    }
    return std::move(*resolved.folder);
}

std::string ParseFileName(std::string_view text, std::string_view what)
{
    std::error_code error;
    if (text.empty() || fs::is_directory(fs::path(text), error)) {
        throw UsageError(std::string(what) + ": " + Quoted(text) + " is not a file name");
    }
    return std::string(text);
}

} // namespace tollwick::batch
