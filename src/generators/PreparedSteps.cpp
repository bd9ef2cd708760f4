// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/PreparedSteps.h"

#include "platform/Paths.h"

#include <optional>
#include <vector>

namespace tollwick {
namespace {

// A step that needs nothing made ahead: the new name is a function of the name alone.
template <typename Step, void (*change)(std::string_view, const Step&, std::string&)>
class PreparedPlain final : public PreparedStep {
public:
    explicit PreparedPlain(Step step) : step_(step) {}
    void Apply(std::string_view name, const RowContext& /*row*/, std::string& out) override
    {
        change(name, step_, out);
    }

private:
    Step step_;
};

class PreparedReplace final : public PreparedStep {
public:
    explicit PreparedReplace(const ReplaceStep& step) : replacer_(Made(step))
    {
        cleaned_.replaceFrom = replacer_.CleanedFrom();
        cleaned_.replaceTo = replacer_.CleanedTo();
    }
    void Apply(std::string_view name, const RowContext& /*row*/, std::string& out) override
    {
        try {
            replacer_.Apply(name, out);
        } catch (const TollwickError& error) {
            throw GenerationStopped(error, cleaned_);
        }
    }
    [[nodiscard]] CleanedTexts Cleaned() const override { return cleaned_; }

private:
    static TextReplacer Made(const ReplaceStep& step)
    {
        try {
            return TextReplacer(step);
        } catch (const TollwickError& error) {
            throw GenerationStopped(error, {});
        }
    }

    TextReplacer replacer_;
    CleanedTexts cleaned_;
};

class PreparedMask final : public PreparedStep {
public:
    PreparedMask(const MaskStep& step, const PassContext& context)
        : cleaned_(CleanedMasks(step)), mask_(Made(step, cleaned_)),
          values_(context.facts != nullptr ? *context.facts : fileFacts_, context.folder)
    {
    }
    void Apply(std::string_view name, const RowContext& row, std::string& out) override
    {
        values_.StartRow(row.fileName, row.processedBefore);
        mask_.Apply(name, row.processedBefore, out, values_);
    }
    [[nodiscard]] CleanedTexts Cleaned() const override
    {
        CleanedTexts cleaned = cleaned_;
        cleaned.missing = values_.Missing();
        return cleaned;
    }

private:
    // The cleaned masks go back to their fields even when a token stops the pass.
    static CleanedTexts CleanedMasks(const MaskStep& step)
    {
        CleanedTexts cleaned;
        cleaned.nameMask = CleanMask(step.nameMask);
        cleaned.extensionMask = CleanMask(step.extensionMask);
        return cleaned;
    }
    static NameMask Made(const MaskStep& step, const CleanedTexts& cleaned)
    {
        try {
            return NameMask(step);
        } catch (const TollwickError& error) {
            throw GenerationStopped(error, cleaned);
        }
    }

    CleanedTexts cleaned_;
    NameMask mask_;
    FileSystemFacts fileFacts_; // what the tokens read when the pass brings no facts
    TokenValues values_;
};

class PreparedTranslit final : public PreparedStep {
public:
    PreparedTranslit(const TranslitStep& step, const TranslitTables& tables) : transliterator_(step, tables) {}
    void Apply(std::string_view name, const RowContext& /*row*/, std::string& out) override
    {
        transliterator_.Apply(name, out);
    }

private:
    Transliterator transliterator_;
};

} // namespace

std::unique_ptr<PreparedStep> Prepare(const CaseStep& step, const PassContext& /*context*/)
{
    return std::make_unique<PreparedPlain<CaseStep, ChangeCase>>(step);
}

std::unique_ptr<PreparedStep> Prepare(const ReplaceStep& step, const PassContext& /*context*/)
{
    return std::make_unique<PreparedReplace>(step);
}

std::unique_ptr<PreparedStep> Prepare(const MaskStep& step, const PassContext& context)
{
    return std::make_unique<PreparedMask>(step, context);
}

std::unique_ptr<PreparedStep> Prepare(const TranslitStep& step, const PassContext& context)
{
    return std::make_unique<PreparedTranslit>(step, context.tables);
}

std::unique_ptr<PreparedStep> Prepare(const DeleteStep& step, const PassContext& /*context*/)
{
    return std::make_unique<PreparedPlain<DeleteStep, DeleteChars>>(step);
}

void ReadTagsAhead(const RenameList& list, const MaskStep& step, const PassContext& context, Progress& progress)
{
    if (context.facts == nullptr || context.folder.empty()) {
        return;
    }
    MediaReads reads;
    try {
        reads = NameMask(step).Reads();
    } catch (const TollwickError&) {
        return; // the pass stops on it at its first row
    }
    if (!reads.photo && !reads.audio) {
        return;
    }
    const std::string folder = WithClosingSlash(context.folder);
    std::vector<std::string> paths;
    for (const Row& row : list.FilterList) {
        if ((!context.checkedOnly || row.Checked) && !row.OldName.empty()) {
            paths.push_back(folder + row.OldName);
        }
    }
    context.facts->ReadAhead(paths, reads, progress);
    progress.ShowProgress(0, BarMaximum(list.FilterList.size()));
}

} // namespace tollwick
