// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ControlNames.h"
#include "session/Vocabulary.h"
#include "window/Form1Layout.h"
#include "window/LayoutBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <string_view>

namespace tollwick {
namespace {

QWidget* GeneratorTab(QTabWidget* tabs, std::string_view name, LayoutBuilder& make)
{
    auto* tab = new QWidget(tabs);
    tab->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    const int position = tabs->addTab(tab, tab->objectName());
    make.Add({tab->objectName(), ComponentKind::Tab,
              [tabs, position](const QString& text) { tabs->setTabText(position, text); }});
    return tab;
}

QLabel* Heading(QWidget* tab, const char* name, QRect place, LayoutBuilder& make)
{
    QLabel* label = make.Label(tab, name, place);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Light);
    return label;
}

QListWidget* TableList(QWidget* tab, const char* name, int left, LayoutBuilder& make)
{
    auto* list = new QListWidget(tab);
    list->setObjectName(QString::fromLatin1(name));
    // Shorter than the tab allows, to leave room for the sample under the tabs.
    list->setGeometry(left, 112, 89, 85);
    list->setUniformItemSizes(true);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    make.Add({list->objectName(), ComponentKind::Plain, {}});
    return list;
}

void BuildCaseTab(QWidget* tab, Form1Controls& c, LayoutBuilder& make)
{
    make.Label(tab, "Label15", {24, 88, 152, 15});
    c.GenDownCheck = make.Radio(tab, "GenDownCheck", {8, 16, 385, 17});
    c.GenUpCheck = make.Radio(tab, "GenUpCheck", {8, 40, 385, 17});
    c.GenFirstUpCheck = make.Radio(tab, "GenFirstUpCheck", {8, 64, 385, 17});
    c.GenFirstUpCty = make.Number(tab, "GenFirstUpCty", {180, 82, 89, 22});
    c.GenInvertCheck = make.Radio(tab, "GenInvertCheck", {8, 112, 385, 17});
    c.GenAllFirstUpCheck = make.Radio(tab, "GenAllFirstUpCheck", {8, 136, 385, 17});
    c.GenSymbol_Check = make.Check(tab, "GenSymbol_Check", {24, 160, 369, 17});
    // A pass needs one case chosen; the first is the choice of a window without settings.
    c.GenDownCheck->setChecked(true);
}

void BuildReplaceTab(QWidget* tab, Form1Controls& c, LayoutBuilder& make)
{
    make.Label(tab, "Label16", {8, 16, 385, 15});
    make.Label(tab, "Label17", {8, 56, 385, 15});
    c.ChangeFromEdit = make.Edit(tab, "ChangeFromEdit", {8, 32, 385, 21});
    c.ChangeToEdit = make.Edit(tab, "ChangeToEdit", {8, 72, 385, 21});
    c.DoNotChangeExtCheck = make.Check(tab, "DoNotChangeExtCheck", {8, 152, 385, 17});
    c.OnlyFirstCheck = make.Check(tab, "OnlyFirstCheck", {8, 104, 385, 17});
    c.CaseCheck = make.Check(tab, "CaseCheck", {8, 128, 385, 17});
    c.RegExpCheck = make.Check(tab, "RegExpCheck", {8, 176, 385, 17});
    make.Add({QStringLiteral("RegExpCheckHint"), ComponentKind::Hint,
              [box = c.RegExpCheck](const QString& text) { box->setToolTip(text); }});
    QWidget::setTabOrder(c.ChangeToEdit, c.OnlyFirstCheck);
    QWidget::setTabOrder(c.OnlyFirstCheck, c.CaseCheck);
    QWidget::setTabOrder(c.CaseCheck, c.DoNotChangeExtCheck);
    QWidget::setTabOrder(c.DoNotChangeExtCheck, c.RegExpCheck);
}

void BuildMaskTab(QWidget* tab, Form1Controls& c, LayoutBuilder& make)
{
    make.Label(tab, "Label18", {8, 16, 385, 15});
    QLabel* dot = make.Label(tab, "Label19", {131, 36, 12, 15});
    dot->setText(QStringLiteral("."));
    dot->setAlignment(Qt::AlignCenter);
    c.MaskNameEdit = make.Edit(tab, "MaskNameEdit", {8, 32, 121, 21}, QStringLiteral("*"));
    c.MaskExtEdit = make.Edit(tab, "MaskExtEdit", {144, 32, 57, 21}, QStringLiteral("*"));
    c.IncNameCheck = make.Check(tab, "IncNameCheck", {8, 64, 385, 17});
}

void BuildTranslitTab(QWidget* tab, Form1Controls& c, LayoutBuilder& make)
{
    Heading(tab, "Label22", {8, 64, 385, 13}, make);
    Heading(tab, "Label23", {8, 80, 185, 13}, make);
    Heading(tab, "Label24", {208, 80, 185, 13}, make);
    Heading(tab, "Label25", {104, 96, 89, 13}, make);
    Heading(tab, "Label26", {8, 96, 89, 13}, make);
    Heading(tab, "Label27", {304, 96, 89, 13}, make);
    Heading(tab, "Label28", {208, 96, 89, 13}, make);
    c.CyrToLatCheck = make.Radio(tab, "CyrToLatCheck", {8, 16, 385, 17});
    c.LatToCyrCheck = make.Radio(tab, "LatToCyrCheck", {8, 40, 385, 17});
    c.CyrToLatCheck->setChecked(true);
    c.CyrList = TableList(tab, "CyrList", 104, make);
    c.CyrLongList = TableList(tab, "CyrLongList", 8, make);
    c.LatList = TableList(tab, "LatList", 304, make);
    c.LatLongList = TableList(tab, "LatLongList", 208, make);
}

void BuildDeleteTab(QWidget* tab, Form1Controls& c, LayoutBuilder& make)
{
    make.Label(tab, "Label14", {8, 16, 385, 15});
    make.Label(tab, "Label29", {8, 56, 385, 15});
    c.DeleteFromEdit = make.Number(tab, "DeleteFromEdit", {8, 32, 121, 22});
    c.DeleteCtyEdit = make.Number(tab, "DeleteCtyEdit", {8, 72, 121, 22});
    c.DeleteInvertCheck = make.Check(tab, "DeleteInvertCheck", {8, 104, 385, 17});
}

void BuildGeneratorTab(GeneratorKind kind, QWidget* tab, Form1Controls& c, LayoutBuilder& make)
{
    switch (kind) {
    case GeneratorKind::Case:
        BuildCaseTab(tab, c, make);
        return;
    case GeneratorKind::Replace:
        BuildReplaceTab(tab, c, make);
        return;
    case GeneratorKind::Mask:
        BuildMaskTab(tab, c, make);
        return;
    case GeneratorKind::Translit:
        BuildTranslitTab(tab, c, make);
        return;
    case GeneratorKind::Delete:
        BuildDeleteTab(tab, c, make);
        return;
    }
}

} // namespace

void BuildPage8(QWidget* form, Form1Controls& c, LayoutBuilder& make)
{
    QGroupBox* page = c.pages[7] = make.Page(form, 8);
    c.GeneratePage = new QTabWidget(page);
    c.GeneratePage->setObjectName(QStringLiteral("GeneratePage"));
    c.GeneratePage->setGeometry(8, 16, 409, 233);
    c.GeneratePage->setUsesScrollButtons(false);
    c.GeneratePage->setElideMode(Qt::ElideRight);
    make.Add({c.GeneratePage->objectName(), ComponentKind::Plain, {}});
    // One tab a generator, in the registry's order, named as the stored files know it.
    for (const Generator* generator : AllGenerators()) {
        const GeneratorKind kind = generator->Kind();
        BuildGeneratorTab(kind, GeneratorTab(c.GeneratePage, TabOfGenerator(kind), make), c, make);
    }
    c.GenerateSampleLabel = make.Label(page, "GenerateSampleLabel", {8, 253, 409, 30}, ComponentKind::FixedLabel);
    c.GenerateSampleLabel->setWordWrap(true);
    c.GenerateSampleLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.ApplyCheckedOnlyCheck = make.Check(page, "ApplyCheckedOnlyCheck", {8, 288, 401, 17});
    // Their texts come from PresetBox.
    c.PresetLabel = new QLabel(page);
    c.PresetLabel->setObjectName(QStringLiteral("PresetLabel"));
    c.PresetLabel->setGeometry(8, 313, 110, 15);
    c.PresetLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c.PresetBox = new QComboBox(page);
    c.PresetBox->setObjectName(QStringLiteral("PresetBox"));
    c.PresetBox->setGeometry(122, 309, 110, 22);
    c.PresetBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c.SavePresetBtn = new QPushButton(page);
    c.SavePresetBtn->setObjectName(QStringLiteral("SavePresetBtn"));
    c.SavePresetBtn->setGeometry(236, 309, 181, 22);
}

} // namespace tollwick
