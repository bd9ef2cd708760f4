// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LayoutBuilder.h"
#include "window/ListPages.h"
#include "window/ThemeColours.h"
#include "window/Widgets.h"
#include "window/main.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>

namespace tollwick {

void TForm1::ApplyLayoutColours()
{
    const QPalette window = palette();
    for (QWidget* widget : findChildren<QWidget*>()) {
        const QVariant hue = widget->property(FixedHueProperty);
        if (!hue.isValid()) {
            continue;
        }
        // Memos show their text on the button face; labels on the page they lie on.
        const bool memo = qobject_cast<QPlainTextEdit*>(widget) != nullptr;
        const QColor background =
            memo ? window.color(QPalette::Button) : widget->parentWidget()->palette().color(QPalette::Window);
        const QColor shade = ReadableShade(static_cast<FixedHue>(hue.toInt()), background);
        QPalette colours = widget->palette();
        if (memo) {
            colours.setColor(QPalette::Base, background);
        }
        colours.setColor(QPalette::WindowText, shade);
        colours.setColor(QPalette::Text, shade);
        widget->setPalette(colours);
    }

    QPalette about = c_.AboutMemo->palette();
    about.setColor(QPalette::Base, window.color(QPalette::Button));
    about.setColor(QPalette::Text, window.color(QPalette::ButtonText));
    c_.AboutMemo->setPalette(about);

    // The list page marks rows in the result page's colours, on the list's own background.
    const QColor listBackground = c_.FilterList->palette().color(QPalette::Base);
    listPages_->SetMarkColours(ReadableShade(FixedHue::Red, listBackground),
                               ReadableShade(FixedHue::Teal, listBackground));

    const PanelColours panel = HelpPanelColours(window);
    QPalette help = c_.HelpMemo->palette();
    help.setColor(QPalette::Base, panel.background);
    help.setColor(QPalette::Text, panel.text);
    c_.HelpMemo->setPalette(help);
    c_.Shape1->SetColours(panel.background, panel.text);

    // A thin gauge without a frame: a navy bar on the window's own colour.
    const QColor bar = ReadableShade(FixedHue::Navy, window.color(QPalette::Button));
    c_.ProgressBar->setStyleSheet(QStringLiteral("QProgressBar { border: none; background: palette(button); }"
                                                 "QProgressBar::chunk { background: %1; }")
                                      .arg(bar.name()));
}

void TForm1::SetUpColours()
{
    // A zero-time single shot folds the burst of palette events into one pass.
    coloursTimer_ = new QTimer(this);
    coloursTimer_->setSingleShot(true);
    coloursTimer_->setInterval(0);
    connect(coloursTimer_, &QTimer::timeout, this, &TForm1::ApplyLayoutColours);
    ApplyLayoutColours();
}

void TForm1::changeEvent(QEvent* event)
{
    // The children take the new palette as this event goes round; shade once they have it.
    const bool paletteChanged =
        event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange;
    if (paletteChanged && coloursTimer_ != nullptr && !coloursTimer_->isActive()) {
        coloursTimer_->start();
    }
    QWidget::changeEvent(event);
}

} // namespace tollwick
