// SPDX-License-Identifier: GPL-3.0-or-later
#include "rename/RunStop.h"

#include "platform/RenameFile.h"

#include <cerrno>

namespace tollwick {

bool FailsTheWholeFolder(int error)
{
    return error == EIO || error == EROFS || error == ENOSPC || error == EDQUOT;
}

std::string FillIn(std::string_view text, std::string_view first, std::string_view second)
{
    std::string filled;
    filled.reserve(text.size() + first.size() + second.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '%' && k + 1 < text.size() && (text[k + 1] == '1' || text[k + 1] == '2')) {
            filled += text[k + 1] == '1' ? first : second;
            ++k;
        } else {
            filled += text[k];
        }
    }
    return filled;
}

std::string StopMessage(const RunStop& stop, const TextLookup& lookup)
{
    switch (stop.Why) {
    case RunStop::Cause::None:
        break;
    case RunStop::Cause::UndoNotMade: {
        std::string message = lookup("Msg7");
        const std::size_t at = message.find("%s");
        if (at != std::string::npos) {
            message.replace(at, 2, stop.Path);
        }
        return message;
    }
    case RunStop::Cause::UndoRecord:
        return FillIn(lookup("UndoFault"), stop.Path,
                      stop.Error != 0 ? SystemErrorText(stop.Error) : lookup("ReasonUndoChanged"));
    case RunStop::Cause::Folder:
        return FillIn(lookup("RunStopped"), stop.Path, SystemErrorText(stop.Error));
    case RunStop::Cause::Cancelled:
        return FillIn(lookup("RunCancelled"), stop.Path);
    }
    return {};
}

} // namespace tollwick
