// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Collation.h"

#include <array>
#include <clocale>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

namespace tollwick {

struct LocaleCollator::Impl {
    std::unique_ptr<icu::Collator> collator;
};

namespace {

// LC_COLLATE as "ru_RU.UTF-8" -> ICU's "ru_RU".
icu::Locale UserLocale()
{
    const char* name = std::setlocale(LC_COLLATE, nullptr);
    std::string locale = name == nullptr ? "" : name;
    if (locale.empty() || locale == "C" || locale == "POSIX") {
        const char* lang = std::getenv("LC_ALL");
        if (lang == nullptr || *lang == '\0') {
            lang = std::getenv("LC_COLLATE");
        }
        if (lang == nullptr || *lang == '\0') {
            lang = std::getenv("LANG");
        }
        locale = lang == nullptr ? "" : lang;
    }
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX") {
        return icu::Locale::getRoot();
    }
    return {locale.c_str()};
}

} // namespace

LocaleCollator::LocaleCollator(DigitOrder digits) : impl_(std::make_unique<Impl>())
{
    UErrorCode status = U_ZERO_ERROR;
    impl_->collator.reset(icu::Collator::createInstance(UserLocale(), status));
    if (U_FAILURE(status) != 0 || !impl_->collator) {
        status = U_ZERO_ERROR;
        impl_->collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    impl_->collator->setStrength(icu::Collator::SECONDARY);
    if (digits == DigitOrder::ByValue) {
        status = U_ZERO_ERROR;
        impl_->collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    }
}

LocaleCollator::~LocaleCollator() = default;

int LocaleCollator::Compare(std::string_view a, std::string_view b) const
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        impl_->collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                     icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    return static_cast<int>(result);
}

std::string LocaleCollator::SortKey(std::string_view text) const
{
    std::string key;
    AppendSortKey(key, text);
    return key;
}

void LocaleCollator::AppendSortKey(std::string& out, std::string_view text) const
{
    // File names fit the buffer, which spares the allocation of a UnicodeString per name.
    std::array<UChar, 512> buffer{};
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(buffer.data(), static_cast<int32_t>(buffer.size()), &length, text.data(),
                         static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
    icu::UnicodeString longText;
    const UChar* source = buffer.data();
    if (U_FAILURE(status) != 0) {
        longText = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
        source = longText.getBuffer();
        length = longText.length();
    }
    const std::size_t start = out.size();
    std::size_t room = 64;
    for (;;) {
        out.resize(start + room);
        const int32_t needed = impl_->collator->getSortKey(
            source, length, reinterpret_cast<uint8_t*>(out.data() + start), static_cast<int32_t>(room));
        if (needed <= static_cast<int32_t>(room)) {
            // The key ends with a NUL the plain order must not see.
            out.resize(start + (needed > 0 ? static_cast<std::size_t>(needed - 1) : 0));
            return;
        }
        room = static_cast<std::size_t>(needed);
    }
}

} // namespace tollwick
