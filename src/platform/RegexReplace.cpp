// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegexReplace.h"

#include "platform/CharWalk.h"
#include "platform/Errors.h"

#include <unicode/regex.h>
#include <unicode/utf16.h>

namespace tollwick {
namespace {

// Bytes of invalid UTF-8 travel as the lone surrogates U+DC80..U+DCFF, which
// valid UTF-8 never holds, so the way back is exact.
constexpr char16_t EscapeBase = 0xDC00;

icu::UnicodeString ToUnicode(std::string_view text)
{
    icu::UnicodeString unicode;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Char ch = NextChar(text, pos);
        if (ch.valid) {
            unicode.append(static_cast<UChar32>(ch.codePoint));
        } else {
            unicode.append(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(text[pos])));
        }
        pos += ch.length;
    }
    return unicode;
}

void AppendBytes(std::string& out, const icu::UnicodeString& unicode, int32_t from, int32_t until)
{
    for (int32_t k = from; k < until;) {
        const UChar32 c = unicode.char32At(k);
        k += U16_LENGTH(c);
        if (c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF) {
            out.push_back(static_cast<char>(c - EscapeBase));
        } else if (U_IS_SURROGATE(c)) {
            AppendChar(out, 0xFFFD); // only an expression's own escapes can make one
        } else {
            AppendChar(out, static_cast<char32_t>(c));
        }
    }
}

std::string ToBytes(const icu::UnicodeString& unicode)
{
    std::string bytes;
    AppendBytes(bytes, unicode, 0, unicode.length());
    return bytes;
}

TollwickError InvalidExpression(std::string_view expression, const icu::UnicodeString& unicode, UErrorCode status,
                                const UParseError& where)
{
    std::string message = "'";
    message.append(expression);
    message.append("' is not a valid regular expression: ");
    message.append(u_errorName(status));
    if (where.offset >= 0 && where.offset <= unicode.length()) {
        message.append(" at character ");
        message.append(std::to_string(unicode.countChar32(0, where.offset) + 1));
    }
    return TollwickError{message};
}

TollwickError InvalidReplacement(std::string_view replacement, UErrorCode status)
{
    std::string message = "'";
    message.append(replacement);
    message.append("' is not a valid replacement for the regular expression: ");
    message.append(u_errorName(status));
    return TollwickError{message};
}

// ICU checks a replacement only when it uses it; an expression of as many
// empty groups matches at once and lets the check run before any name.
void CheckReplacement(const icu::UnicodeString& replacement, int32_t groups, std::string_view text)
{
    icu::UnicodeString empties;
    for (int32_t k = 0; k < groups; ++k) {
        empties.append(u"()");
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::RegexMatcher probe(empties, 0, status);
    const icu::UnicodeString nothing;
    probe.reset(nothing);
    icu::UnicodeString expanded;
    if (U_SUCCESS(status) != 0 && probe.find(status) != 0) {
        probe.appendReplacement(expanded, replacement, status);
    }
    if (U_FAILURE(status) != 0) {
        throw InvalidReplacement(text, status);
    }
}

// Work per name is bounded, so that no expression holds a pass or the
// window's sample for long: ICU calls back once per unit of about ten
// thousand match steps (never for a cheap match), and the units of all
// matches on one name are added up. About a million steps at most; a name
// of 255 characters under any sound expression needs far fewer.
constexpr int32_t UnitsPerName = 100;
// The backtracking stack of one match; ICU's own default is 8 MiB.
constexpr int32_t StackLimitBytes = 1024 * 1024;

struct WorkBudget {
    mutable int32_t unitsUsed = 0;
};

UBool CountUnit(const void* context, int32_t /*steps*/)
{
    const auto* budget = static_cast<const WorkBudget*>(context);
    return ++budget->unitsUsed <= UnitsPerName ? 1 : 0;
}

TollwickError TooComplex(std::string_view expression, std::string_view name, UErrorCode status)
{
    std::string message = "The regular expression '";
    message.append(expression);
    message.append(status == U_REGEX_STACK_OVERFLOW ? "' needs too much memory on the name '"
                                                    : "' needs too many steps on the name '");
    message.append(name);
    message.append("' (");
    message.append(u_errorName(status));
    message.append("); a simpler expression will do");
    return TollwickError{message};
}

} // namespace

struct RegexReplacer::Impl {
    std::string expression; // as typed, for the messages
    WorkBudget budget;
    icu::UnicodeString replacement;
    std::unique_ptr<icu::RegexPattern> pattern;
    std::unique_ptr<icu::RegexMatcher> matcher; // uses the pattern, so it is destroyed first
    icu::UnicodeString input;                   // the text the matcher was last reset to
};

RegexReplacer::RegexReplacer(std::string_view expression, std::string_view replacement, bool ignoreCase)
    : impl_(std::make_unique<Impl>())
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError where{};
    const uint32_t flags = ignoreCase ? UREGEX_CASE_INSENSITIVE : 0;
    const icu::UnicodeString pattern = ToUnicode(expression);
    impl_->pattern.reset(icu::RegexPattern::compile(pattern, flags, where, status));
    if (U_FAILURE(status) != 0) {
        throw InvalidExpression(expression, pattern, status, where);
    }
    impl_->matcher.reset(impl_->pattern->matcher(status));
    impl_->matcher->setStackLimit(StackLimitBytes, status);
    impl_->matcher->setMatchCallback(CountUnit, &impl_->budget, status);
    if (U_FAILURE(status) != 0) {
        throw InvalidExpression(expression, pattern, status, where);
    }
    impl_->expression = expression;
    impl_->replacement = ToUnicode(replacement);
    CheckReplacement(impl_->replacement, impl_->matcher->groupCount(), replacement);
}

RegexReplacer::~RegexReplacer() = default;
RegexReplacer::RegexReplacer(RegexReplacer&&) noexcept = default;
RegexReplacer& RegexReplacer::operator=(RegexReplacer&&) noexcept = default;

bool RegexReplacer::AppendReplaced(std::string& out, std::string_view text, bool onlyFirst, Clean clean) const
{
    Impl& impl = *impl_;
    impl.input = ToUnicode(text);
    impl.matcher->reset(impl.input);
    impl.budget.unitsUsed = 0;
    UErrorCode status = U_ZERO_ERROR;
    // A match given up (too many steps, too deep a stack) is no "no match":
    // the name would come out unchanged or half replaced.
    const auto findNext = [&] {
        const bool found = impl.matcher->find(status) != 0;
        if (U_FAILURE(status) != 0) {
            throw TooComplex(impl.expression, text, status);
        }
        return found;
    };
    if (!findNext()) {
        out.append(text);
        return false;
    }
    int32_t kept = 0;
    do {
        const int32_t start = impl.matcher->start(status);
        AppendBytes(out, impl.input, kept, start);
        // appendReplacement writes the text since the last match, then the expansion.
        icu::UnicodeString expanded;
        impl.matcher->appendReplacement(expanded, impl.replacement, status);
        out += clean(ToBytes(expanded.tempSubString(start - kept)));
        kept = impl.matcher->end(status);
    } while (!onlyFirst && U_SUCCESS(status) != 0 && findNext());
    AppendBytes(out, impl.input, kept, impl.input.length());
    return true;
}

} // namespace tollwick
