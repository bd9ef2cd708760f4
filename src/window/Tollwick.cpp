// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppHome.h"
#include "platform/NautilusScript.h"
#include "session/ProgramVersion.h"
#include "window/Dialogs.h"
#include "window/FileManagerActions.h"
#include "window/TextBridge.h"
#include "window/WindowCommandLine.h"
#include "window/main.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QScreen>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>

namespace {

// The fixed layout is drawn for a sans-serif face 11 pixels high.
void SetApplicationFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({font.family(), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(11);
    QApplication::setFont(font);
}

void ShowCentred(QWidget& window)
{
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
}

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string WorkingFolder()
{
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

} // namespace

int main(int argc, char* argv[])
{
    // Help, version and usage errors need no display, so they are settled first.
    const tollwick::WindowCommand command =
        tollwick::ParseWindowCommandLine(std::vector<std::string>(argv + 1, argv + argc), WorkingFolder());
    switch (command.action) {
    case tollwick::WindowCommand::Action::PrintHelp:
        std::cout << tollwick::WindowHelpText();
        return 0;
    case tollwick::WindowCommand::Action::PrintVersion:
        std::cout << tollwick::WindowVersionText();
        return 0;
    case tollwick::WindowCommand::Action::InstallFileManagerActions:
    case tollwick::WindowCommand::Action::RemoveFileManagerActions: {
        const std::string script =
            tollwick::NautilusScriptPath(EnvironmentValue("XDG_DATA_HOME"), EnvironmentValue("HOME"));
        return command.action == tollwick::WindowCommand::Action::InstallFileManagerActions
                   ? tollwick::InstallFileManagerActions(script, std::cout, std::cerr)
                   : tollwick::RemoveFileManagerActions(script, std::cout, std::cerr);
    }
    case tollwick::WindowCommand::Action::UsageError:
        std::cerr << "tollwick: " << command.message << "\nTry 'tollwick --help'.\n";
        return 2;
    case tollwick::WindowCommand::Action::OpenWindow:
        break;
    }

    const QApplication application(argc, argv);
    // The name is the X11 window class, which the desktop matches to tollwick.desktop.
    QApplication::setApplicationName(QStringLiteral("tollwick"));
    QApplication::setApplicationDisplayName(tollwick::FromBytes(tollwick::ProgramTitle));
    QApplication::setDesktopFileName(QStringLiteral("tollwick"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tollwick.svg")));
    SetApplicationFont();

    std::string home;
    try {
        home = tollwick::ApplicationHome();
    } catch (const std::exception& error) {
        std::cerr << "tollwick: " << error.what() << '\n';
        return 1;
    }
    tollwick::QtDialogs dialogs;
    tollwick::TForm1 form(dialogs, home);
    ShowCentred(form);
    if (!command.folder.empty()) {
        form.OpenGivenFolder(tollwick::PathFromBytes(command.folder));
    }
    return QApplication::exec();
}
