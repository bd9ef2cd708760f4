// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MediaFacts.h"

#include <string>

namespace tollwick {
namespace {

template <typename Number> std::optional<std::string> Digits(const std::optional<Number>& number)
{
    return number ? std::optional<std::string>(std::to_string(*number)) : std::nullopt;
}

} // namespace

std::optional<LocalDateTime> MediaFacts::Taken(const std::string& path) const
{
    return cache_.Photo(path).Taken();
}

std::optional<std::string> MediaFacts::Tag(MediaField field, const std::string& path) const
{
    switch (field) {
    case MediaField::Make:
        return cache_.Photo(path).make;
    case MediaField::Model:
        return cache_.Photo(path).model;
    case MediaField::Lens:
        return cache_.Photo(path).lens;
    case MediaField::Width:
        return Digits(cache_.Photo(path).width);
    case MediaField::Height:
        return Digits(cache_.Photo(path).height);
    case MediaField::Artist:
        return cache_.Audio(path).artist;
    case MediaField::Album:
        return cache_.Audio(path).album;
    case MediaField::Title:
        return cache_.Audio(path).title;
    case MediaField::Genre:
        return cache_.Audio(path).genre;
    case MediaField::Year:
        return Digits(cache_.Audio(path).year);
    case MediaField::Track:
        return Digits(cache_.Audio(path).track);
    }
    return std::nullopt;
}

} // namespace tollwick
