// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/GeneratorRegistry.h"

#include "generators/StepChecks.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tollwick {
namespace {

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

std::string Flag(bool value)
{
    return value ? "1" : "0";
}

bool ReadFlag(const std::string& key, std::string_view value)
{
    if (value == "1") {
        return true;
    }
    if (value == "0") {
        return false;
    }
    throw StepOptionError(key, Quoted(value) + " is not 0 or 1");
}

int ReadNumber(const std::string& key, std::string_view value, int min, int max)
{
    int number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (value.empty() || error != std::errc() || stop != end || number < min || number > max) {
        throw StepOptionError(key, Quoted(value) + " is not a number from " + std::to_string(min) + " to " +
                                       std::to_string(max));
    }
    return number;
}

// Runs a check that raises the reason alone, giving it the key.
template <typename Check> void CheckAs(const std::string& key, Check check)
{
    try {
        check();
    } catch (const StepOptionError&) {
        throw;
    } catch (const TollwickError& error) {
        throw StepOptionError(key, error.what());
    }
}

// Each generator is written once as its step type and its option table.
template <typename StepType, GeneratorKind kind> class StepGenerator : public Generator {
public:
    [[nodiscard]] GeneratorKind Kind() const final { return kind; }
    [[nodiscard]] StepOptions Save(const GeneratorStep& step) const final { return SaveStep(std::get<StepType>(step)); }
    [[nodiscard]] GeneratorStep Load(const StepOptions& options) const final
    {
        StepType step;
        const std::vector<std::string_view> keys = OptionKeys();
        for (const auto& [key, value] : options) {
            if (std::ranges::find(keys, key) == keys.end()) {
                throw StepOptionError(key, "not an option of " + std::string(Id()));
            }
            Read(step, key, value);
        }
        CheckWhole(step);
        return step;
    }
    [[nodiscard]] std::unique_ptr<PreparedStep> Prepare(const GeneratorStep& step,
                                                        const PassContext& context) const final
    {
        return tollwick::Prepare(std::get<StepType>(step), context);
    }

protected:
    [[nodiscard]] virtual StepOptions SaveStep(const StepType& step) const = 0;
    virtual void Read(StepType& step, const std::string& key, const std::string& value) const = 0;
    virtual void CheckWhole(const StepType& /*step*/) const {}
};

constexpr std::array<std::pair<std::string_view, CaseMode>, 5> caseModes{{
    {"lower", CaseMode::Lower},
    {"upper", CaseMode::Upper},
    {"first", CaseMode::First},
    {"swap", CaseMode::Swap},
    {"words", CaseMode::Words},
}};

class CaseGenerator final : public StepGenerator<CaseStep, GeneratorKind::Case> {
public:
    [[nodiscard]] std::string_view Id() const override { return "case"; }
    [[nodiscard]] std::vector<std::string_view> OptionKeys() const override
    {
        return {"mode", "first-count", "underscore"};
    }

protected:
    [[nodiscard]] StepOptions SaveStep(const CaseStep& step) const override
    {
        const auto* const mode =
            std::ranges::find(caseModes, step.mode, &std::pair<std::string_view, CaseMode>::second);
        return {{"mode", std::string(mode->first)},
                {"first-count", std::to_string(step.firstCount)},
                {"underscore", Flag(step.underscoreStartsWord)}};
    }
    void Read(CaseStep& step, const std::string& key, const std::string& value) const override
    {
        if (key == "mode") {
            const auto* const mode = std::ranges::find(caseModes, value, &std::pair<std::string_view, CaseMode>::first);
            if (mode == caseModes.end()) {
                throw StepOptionError(key, Quoted(value) + " is not one of lower, upper, first, swap, words");
            }
            step.mode = mode->second;
        } else if (key == "first-count") {
            step.firstCount = ReadNumber(key, value, 1, largestStepNumber);
        } else {
            step.underscoreStartsWord = ReadFlag(key, value);
        }
    }
};

class ReplaceGenerator final : public StepGenerator<ReplaceStep, GeneratorKind::Replace> {
public:
    [[nodiscard]] std::string_view Id() const override { return "replace"; }
    [[nodiscard]] std::vector<std::string_view> OptionKeys() const override
    {
        return {"from", "to", "first-only", "match-case", "keep-ext", "regex"};
    }

protected:
    [[nodiscard]] StepOptions SaveStep(const ReplaceStep& step) const override
    {
        return {{"from", step.from},
                {"to", step.to},
                {"first-only", Flag(step.firstOnly)},
                {"match-case", Flag(step.matchCase)},
                {"keep-ext", Flag(step.keepExtension)},
                {"regex", Flag(step.regex)}};
    }
    void Read(ReplaceStep& step, const std::string& key, const std::string& value) const override
    {
        if (key == "from") {
            step.from = value;
        } else if (key == "to") {
            step.to = value;
        } else if (key == "first-only") {
            step.firstOnly = ReadFlag(key, value);
        } else if (key == "match-case") {
            step.matchCase = ReadFlag(key, value);
        } else if (key == "keep-ext") {
            step.keepExtension = ReadFlag(key, value);
        } else {
            step.regex = ReadFlag(key, value);
        }
    }
    void CheckWhole(const ReplaceStep& step) const override
    {
        CheckAs("from", [&] { CheckReplaceExpression(step); });
    }

public:
    // Only a regular expression can give up part way through the rows.
    [[nodiscard]] bool MayStopPartWay(const GeneratorStep& step) const override
    {
        return std::get<ReplaceStep>(step).regex;
    }
};

class MaskGenerator final : public StepGenerator<MaskStep, GeneratorKind::Mask> {
public:
    [[nodiscard]] std::string_view Id() const override { return "mask"; }
    [[nodiscard]] std::vector<std::string_view> OptionKeys() const override { return {"name", "ext", "count"}; }
    void BeforePass(const RenameList& list, const GeneratorStep& step, const PassContext& context,
                    Progress& progress) const override
    {
        ReadTagsAhead(list, std::get<MaskStep>(step), context, progress);
    }

protected:
    [[nodiscard]] StepOptions SaveStep(const MaskStep& step) const override
    {
        return {{"name", step.nameMask}, {"ext", step.extensionMask}, {"count", Flag(step.count)}};
    }
    void Read(MaskStep& step, const std::string& key, const std::string& value) const override
    {
        if (key == "name") {
            step.nameMask = value;
        } else if (key == "ext") {
            step.extensionMask = value;
        } else {
            step.count = ReadFlag(key, value);
        }
    }
    void CheckWhole(const MaskStep& step) const override
    {
        CheckAs("name", [&] { CheckMaskTokens(step.nameMask); });
        CheckAs("ext", [&] { CheckMaskTokens(step.extensionMask); });
        if (step.count) {
            CheckAs("name", [&] { CheckCountedNumbers(step.nameMask); });
            CheckAs("ext", [&] { CheckCountedNumbers(step.extensionMask); });
        }
    }
};

class TranslitGenerator final : public StepGenerator<TranslitStep, GeneratorKind::Translit> {
public:
    [[nodiscard]] std::string_view Id() const override { return "translit"; }
    [[nodiscard]] std::vector<std::string_view> OptionKeys() const override { return {"direction"}; }

protected:
    [[nodiscard]] StepOptions SaveStep(const TranslitStep& step) const override
    {
        return {{"direction", step.cyrillicToLatin ? "cyr-lat" : "lat-cyr"}};
    }
    void Read(TranslitStep& step, const std::string& key, const std::string& value) const override
    {
        if (value != "cyr-lat" && value != "lat-cyr") {
            throw StepOptionError(key, Quoted(value) + " is not one of cyr-lat, lat-cyr");
        }
        step.cyrillicToLatin = value == "cyr-lat";
    }
};

class DeleteGenerator final : public StepGenerator<DeleteStep, GeneratorKind::Delete> {
public:
    [[nodiscard]] std::string_view Id() const override { return "delete"; }
    [[nodiscard]] std::vector<std::string_view> OptionKeys() const override { return {"from", "count", "from-end"}; }

protected:
    [[nodiscard]] StepOptions SaveStep(const DeleteStep& step) const override
    {
        return {{"from", std::to_string(step.from)},
                {"count", std::to_string(step.count)},
                {"from-end", Flag(step.fromEnd)}};
    }
    void Read(DeleteStep& step, const std::string& key, const std::string& value) const override
    {
        if (key == "from") {
            step.from = ReadNumber(key, value, 1, largestStepNumber);
        } else if (key == "count") {
            step.count = ReadNumber(key, value, 1, largestStepNumber);
        } else {
            step.fromEnd = ReadFlag(key, value);
        }
    }
};

} // namespace

const std::vector<const Generator*>& AllGenerators()
{
    static const CaseGenerator caseGenerator;
    static const ReplaceGenerator replaceGenerator;
    static const MaskGenerator maskGenerator;
    static const TranslitGenerator translitGenerator;
    static const DeleteGenerator deleteGenerator;
    static const std::vector<const Generator*> all{&caseGenerator, &replaceGenerator, &maskGenerator,
                                                   &translitGenerator, &deleteGenerator};
    return all;
}

const Generator* FindGenerator(std::string_view id)
{
    const auto& all = AllGenerators();
    const auto found = std::ranges::find(all, id, &Generator::Id);
    return found == all.end() ? nullptr : *found;
}

const Generator& GeneratorOf(GeneratorKind kind)
{
    return *AllGenerators().at(static_cast<std::size_t>(kind));
}

} // namespace tollwick
