// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/GeneratorSample.h"

#include "session/ControlNames.h"
#include "session/Vocabulary.h"
#include "window/LayoutBuilder.h"
#include "window/Page.h"
#include "window/TextBridge.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <algorithm>

namespace tollwick {

namespace {

// The radio buttons exclude each other and one is always set; should that
// ever fail, the first set in this order counts, and lower case for none.
CaseMode CaseModeOf(const Form1Controls& c)
{
    const std::pair<const QRadioButton*, CaseMode> modes[] = {
        {c.GenDownCheck, CaseMode::Lower},       {c.GenUpCheck, CaseMode::Upper},
        {c.GenFirstUpCheck, CaseMode::First},    {c.GenInvertCheck, CaseMode::Swap},
        {c.GenAllFirstUpCheck, CaseMode::Words},
    };
    for (const auto& [button, mode] : modes) {
        if (button->isChecked()) {
            return mode;
        }
    }
    return CaseMode::Lower;
}

} // namespace

GeneratorSetup GeneratorSetupOf(const Form1Controls& c)
{
    GeneratorSetup setup;
    setup.caseStep = {CaseModeOf(c), c.GenFirstUpCty->value(), c.GenSymbol_Check->isChecked()};
    setup.replace = {ToBytes(c.ChangeFromEdit->text()),  ToBytes(c.ChangeToEdit->text()),
                     c.OnlyFirstCheck->isChecked(),      c.CaseCheck->isChecked(),
                     c.DoNotChangeExtCheck->isChecked(), c.RegExpCheck->isChecked()};
    setup.mask = {ToBytes(c.MaskNameEdit->text()), ToBytes(c.MaskExtEdit->text()), c.IncNameCheck->isChecked()};
    setup.translit = {!c.LatToCyrCheck->isChecked()};
    setup.deleteStep = {c.DeleteFromEdit->value(), c.DeleteCtyEdit->value(), c.DeleteInvertCheck->isChecked()};
    setup.checkedOnly = c.ApplyCheckedOnlyCheck->isChecked();
    return setup;
}

std::optional<GeneratorKind> ActiveGenerator(const Form1Controls& c)
{
    return GeneratorOfTab(ToBytes(c.GeneratePage->currentWidget()->objectName()));
}

void ConnectGeneratorOptions(const Form1Controls& c, QObject* context, const std::function<void()>& changed)
{
    for (QLineEdit* edit : {c.ChangeFromEdit, c.ChangeToEdit, c.MaskNameEdit, c.MaskExtEdit}) {
        QObject::connect(edit, &QLineEdit::textChanged, context, changed);
    }
    for (QAbstractButton* box : std::initializer_list<QAbstractButton*>{
             c.GenDownCheck, c.GenUpCheck, c.GenFirstUpCheck, c.GenInvertCheck, c.GenAllFirstUpCheck, c.GenSymbol_Check,
             c.DoNotChangeExtCheck, c.OnlyFirstCheck, c.CaseCheck, c.RegExpCheck, c.IncNameCheck, c.CyrToLatCheck,
             c.LatToCyrCheck, c.DeleteInvertCheck, c.ApplyCheckedOnlyCheck}) {
        QObject::connect(box, &QAbstractButton::toggled, context, changed);
    }
    for (QSpinBox* number : {c.GenFirstUpCty, c.DeleteFromEdit, c.DeleteCtyEdit}) {
        QObject::connect(number, &QSpinBox::valueChanged, context, changed);
    }
    QObject::connect(c.GeneratePage, &QTabWidget::currentChanged, context, changed);
}

GeneratorSampleView::GeneratorSampleView(const Form1Controls& controls, Sources sources, QObject* parent)
    : QObject(parent), c_(controls), sources_(std::move(sources)),
      plainPalette_(controls.GenerateSampleLabel->palette())
{
    c_.pages[PageIndex(Page::Generators)]->installEventFilter(this);
}

bool GeneratorSampleView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == c_.pages[PageIndex(Page::Generators)] && event->type() == QEvent::Show) {
        Refresh();
    }
    return QObject::eventFilter(watched, event);
}

void GeneratorSampleView::RefreshWhenShown()
{
    if (!c_.pages[PageIndex(Page::Generators)]->isHidden()) {
        Refresh();
    }
}

void GeneratorSampleView::Refresh()
{
    const int selected = sources_.selectedRow();
    const std::optional<RenameSession::RowSample> sample =
        sources_.session->Sample(selected >= 0 ? std::optional<std::size_t>(selected) : std::nullopt, sources_.steps());
    if (!sample) {
        ShowLines(sources_.text("GenerateSampleNoRow"), {});
        return;
    }
    if (sample->error) {
        ShowError(FromBytes(*sample->error));
        return;
    }
    ShowLines(sources_.text("GenerateSampleNow") + u' ' + PathFromBytes(sample->presentName),
              sources_.text("GenerateSampleNew") + u' ' + PathFromBytes(sample->newName));
    if (!sample->charsLeftOut.empty()) {
        // The name shown is the cleaned one; the colour says it is not what was typed.
        QLabel* label = c_.GenerateSampleLabel;
        LayoutBuilder::SetTextColour(label, FixedHue::Red);
        label->setToolTip(label->toolTip() + u'\n' +
                          sources_.text("MsgCharsLeftOut")
                              .replace(QStringLiteral("%s"), FromBytes(SpacedChars(sample->charsLeftOut))));
    }
}

void GeneratorSampleView::ShowLines(const QString& first, const QString& second)
{
    QLabel* label = c_.GenerateSampleLabel;
    label->setPalette(plainPalette_);
    // Long names lose their middle, so both ends stay readable and nothing is cut.
    const QFontMetrics metrics = label->fontMetrics();
    const int width = label->width() - 2;
    QString text = metrics.elidedText(first, Qt::ElideMiddle, width);
    if (!second.isEmpty()) {
        text += u'\n' + metrics.elidedText(second, Qt::ElideMiddle, width);
    }
    label->setText(text);
    label->setToolTip(second.isEmpty() ? QString() : first + u'\n' + second);
}

void GeneratorSampleView::ShowError(const QString& error)
{
    QLabel* label = c_.GenerateSampleLabel;
    LayoutBuilder::SetTextColour(label, FixedHue::Red);
    label->setToolTip(error);
    // The usual message takes two lines; a longer one ends in an ellipsis.
    const QFontMetrics metrics = label->fontMetrics();
    int room = 2 * label->width();
    label->setText(error);
    while (label->heightForWidth(label->width()) > label->height() && room > 0) {
        room -= 4 * metrics.averageCharWidth();
        label->setText(metrics.elidedText(error, Qt::ElideRight, room));
    }
}

} // namespace tollwick
