// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/MediaTags.h"

#include <exception>
#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tdebuglistener.h>

namespace tollwick {
namespace {

/// TagLib's debug builds print every damaged file to stderr.
class SilentListener final : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String& /*message*/) override {}
};

void SilenceTagLib()
{
    static SilentListener listener;
    static const bool silenced = [] {
        TagLib::setDebugListener(&listener);
        return true;
    }();
    static_cast<void>(silenced);
}

std::optional<std::string> TextOf(const TagLib::String& text)
{
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return text.to8Bit(true);
}

std::optional<unsigned> NumberOf(unsigned number)
{
    return number == 0 ? std::nullopt : std::optional<unsigned>(number);
}

} // namespace

AudioTags ReadAudioTags(const std::string& path)
{
    SilenceTagLib();
    try {
        const TagLib::FileRef file(path.c_str(), true, TagLib::AudioProperties::Fast);
        const TagLib::Tag* const tag = file.isNull() ? nullptr : file.tag();
        // A file cut short inside its tags has no sound after them: what
        // TagLib found of the tags may be missing its later fields.
        const TagLib::AudioProperties* const sound = file.isNull() ? nullptr : file.audioProperties();
        if (tag == nullptr || sound == nullptr || sound->sampleRate() <= 0) {
            return {};
        }
        return AudioTags{.artist = TextOf(tag->artist()),
                         .album = TextOf(tag->album()),
                         .title = TextOf(tag->title()),
                         .genre = TextOf(tag->genre()),
                         .year = NumberOf(tag->year()),
                         .track = NumberOf(tag->track())};
    } catch (const std::exception&) {
        // TagLib does not throw for a damaged file, but a length in one can
        // be too large to allocate.
        return {};
    }
}

} // namespace tollwick
