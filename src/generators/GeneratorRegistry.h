// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generators/PreparedSteps.h"
#include "generators/Steps.h"
#include "platform/Errors.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tollwick {

/// A step's options as text, in the order they are saved.
using StepOptions = std::vector<std::pair<std::string, std::string>>;

/// An option that cannot be used; the message starts with the key.
class StepOptionError : public TollwickError {
public:
    StepOptionError(std::string key, std::string reason)
        : TollwickError(key + ": " + reason), key_(std::move(key)), reason_(std::move(reason))
    {
    }
    [[nodiscard]] const std::string& Key() const { return key_; }
    /// The message without the key.
    [[nodiscard]] const std::string& Reason() const { return reason_; }

private:
    std::string key_;
    std::string reason_;
};

/// One generator: its id, its kind, its options as stored key/value text,
/// and its work on the rows of a pass.
class Generator {
public:
    Generator() = default;
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;
    Generator(Generator&&) = delete;
    Generator& operator=(Generator&&) = delete;
    virtual ~Generator() = default;

    /// Stable: it is written into preset files.
    [[nodiscard]] virtual std::string_view Id() const = 0;
    [[nodiscard]] virtual GeneratorKind Kind() const = 0;
    /// Every key Save writes and Load takes, in that order.
    [[nodiscard]] virtual std::vector<std::string_view> OptionKeys() const = 0;
    /// Every option of `step`, which must be of this generator's kind.
    [[nodiscard]] virtual StepOptions Save(const GeneratorStep& step) const = 0;
    /// A missing key keeps the step's default; an unknown key or a value the
    /// command line would refuse raises StepOptionError naming the key.
    [[nodiscard]] virtual GeneratorStep Load(const StepOptions& options) const = 0;

    /// `step`, of this generator's kind, made ready for the rows of a pass in `context`.
    [[nodiscard]] virtual std::unique_ptr<PreparedStep> Prepare(const GeneratorStep& step,
                                                                const PassContext& context) const = 0;
    /// Whether `step` may give up at any row, so that a pass makes every
    /// new name before it gives one.
    [[nodiscard]] virtual bool MayStopPartWay(const GeneratorStep& /*step*/) const { return false; }
    /// What a pass of `step` does before its rows.
    virtual void BeforePass(const RenameList& /*list*/, const GeneratorStep& /*step*/, const PassContext& /*context*/,
                            Progress& /*progress*/) const
    {
    }
};

/// Every generator, in GeneratorKind order.
[[nodiscard]] const std::vector<const Generator*>& AllGenerators();
/// The generator with `id`, or none.
[[nodiscard]] const Generator* FindGenerator(std::string_view id);
[[nodiscard]] const Generator& GeneratorOf(GeneratorKind kind);

} // namespace tollwick
