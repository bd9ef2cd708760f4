// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/Page.h"

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace tollwick {

class Dialogs;

/// What a page's class asks of the window it sits in.
struct PageServices {
    QWidget* window = nullptr; // owns the page's dialogs
    Dialogs* dialogs = nullptr;
    std::function<QString(std::string_view key)> text;
    /// Runs a handler of the page; an error it raises is shown and the window stays where it is.
    std::function<void(const std::function<void()>&)> guarded;
    std::function<void(Page)> showPage;
};

} // namespace tollwick
