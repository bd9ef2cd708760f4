// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppHome.h"
#include "window/Dialogs.h"
#include "window/main.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QScreen>
#include <exception>
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

} // namespace

int main(int argc, char* argv[])
{
    const QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tollwick v1.0"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tollwick v1.0"));
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
    return QApplication::exec();
}
