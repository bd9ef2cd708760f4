// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/LayoutBuilder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>

namespace tollwick {

QGroupBox* LayoutBuilder::Page(QWidget* form, int number)
{
    const QString name = QStringLiteral("GroupBox%1").arg(number);
    auto* page = new QGroupBox(name, form);
    page->setObjectName(name);
    page->setGeometry(200, 0, 425, 337);
    page->setVisible(number == 1);
    // A page covers the right part of the help panel's shape behind it.
    page->setAutoFillBackground(true);
    Add({name, ComponentKind::Page, [page](const QString& text) { page->setTitle(text); }});
    return page;
}

QLabel* LayoutBuilder::Label(QWidget* parent, const char* name, QRect place, ComponentKind kind)
{
    const QString objectName = QString::fromLatin1(name);
    auto* label = new QLabel(objectName, parent);
    label->setObjectName(objectName);
    label->setGeometry(place);
    Component component{objectName, kind, {}};
    if (kind == ComponentKind::Label) {
        component.setText = [label](const QString& text) { label->setText(text); };
    }
    Add(std::move(component));
    return label;
}

template <typename Button>
Button* LayoutBuilder::Toggle(QWidget* parent, const char* name, QRect place, ComponentKind kind)
{
    const QString objectName = QString::fromLatin1(name);
    auto* button = new Button(objectName, parent);
    button->setObjectName(objectName);
    button->setGeometry(place);
    Component component{objectName, kind, [button](const QString& text) { button->setText(text); }};
    component.box = button;
    Add(std::move(component));
    return button;
}

QCheckBox* LayoutBuilder::Check(QWidget* parent, const char* name, QRect place)
{
    return Toggle<QCheckBox>(parent, name, place, ComponentKind::CheckBox);
}

QRadioButton* LayoutBuilder::Radio(QWidget* parent, const char* name, QRect place)
{
    return Toggle<QRadioButton>(parent, name, place, ComponentKind::RadioButton);
}

QLineEdit* LayoutBuilder::Edit(QWidget* parent, const char* name, QRect place, const QString& layoutText)
{
    const QString objectName = QString::fromLatin1(name);
    auto* edit = new QLineEdit(layoutText.isNull() ? objectName : layoutText, parent);
    edit->setObjectName(objectName);
    edit->setGeometry(place);
    Component component{objectName, ComponentKind::Edit, {}};
    component.edit = edit;
    Add(std::move(component));
    return edit;
}

QPlainTextEdit* LayoutBuilder::Memo(QWidget* parent, const char* name, QRect place)
{
    const QString objectName = QString::fromLatin1(name);
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(objectName);
    memo->setGeometry(place);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    Add({objectName, ComponentKind::Plain, {}});
    return memo;
}

QTableView* LayoutBuilder::ListView(QWidget* parent, const char* name, QRect place)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setGeometry(place);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 4);
    QHeaderView* columns = view->horizontalHeader();
    columns->setStretchLastSection(false);
    columns->setSectionsMovable(false);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Add({view->objectName(), ComponentKind::ListView, {}});
    return view;
}

QSpinBox* LayoutBuilder::Number(QWidget* parent, const char* name, QRect place)
{
    const QString objectName = QString::fromLatin1(name);
    auto* number = new QSpinBox(parent);
    number->setObjectName(objectName);
    number->setGeometry(place);
    number->setRange(1, 256);
    number->setValue(1);
    Add({objectName, ComponentKind::Plain, {}});
    return number;
}

QTabBar* LayoutBuilder::TabStrip(QWidget* parent, const char* name, QRect place, const QString& tabPrefix)
{
    const QString objectName = QString::fromLatin1(name);
    auto* strip = new QTabBar(parent);
    strip->setObjectName(objectName);
    strip->setGeometry(place);
    strip->setExpanding(false);
    strip->setDrawBase(false);
    Add({objectName, ComponentKind::Plain, {}});
    for (int k = 1; k <= 6; ++k) {
        const int tab = strip->addTab(QString::number(k));
        const QString tabName = tabPrefix + QString::number(k);
        strip->setTabData(tab, tabName);
        Add({tabName, ComponentKind::Tab, [strip, tab](const QString& text) { strip->setTabText(tab, text); }});
    }
    return strip;
}

void LayoutBuilder::SetTextColour(QWidget* widget, FixedHue hue)
{
    widget->setProperty(FixedHueProperty, static_cast<int>(hue));
    const QColor colour = DesignColour(hue);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void LayoutBuilder::SetBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace tollwick
