// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "settings/LanguageKeys.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

using namespace tollwick;
using namespace tollwick::test;

class Layout final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void WindowIsFixedAndTitled();
    void EveryTextFitsItsControl_data();
    void EveryTextFitsItsControl();
    void ComponentsCoverEveryLanguageKey();
};

namespace {

// The part of a control that shows: a label's text, or the whole control.
QRect InkRect(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && !label->wordWrap()) {
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        QRect ink = label->geometry();
        if (label->alignment().testFlag(Qt::AlignRight)) {
            ink.setLeft(ink.right() - textWidth);
        } else if (label->alignment().testFlag(Qt::AlignHCenter)) {
            ink.setLeft(ink.center().x() - textWidth / 2);
            ink.setWidth(textWidth);
        } else {
            ink.setWidth(textWidth);
        }
        return ink;
    }
    return widget->geometry();
}

QString FitProblem(const QWidget* widget)
{
    const QString name = widget->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                              : label->fontMetrics().horizontalAdvance(label->text()) > label->width()) {
            return name + QStringLiteral(" is cut: ") + label->text();
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (!button->text().isEmpty() && button->sizeHint().width() > button->width()) {
            return name + QStringLiteral(" is cut: ") + button->text();
        }
    } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        if (box->fontMetrics().horizontalAdvance(box->title()) + 16 > box->width()) {
            return name + QStringLiteral(" title is cut");
        }
    } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
        int total = 0;
        for (int k = 0; k < bar->count(); ++k) {
            // The text and the tab's frame, as the style draws it.
            total += bar->fontMetrics().horizontalAdvance(bar->tabText(k)) + 16;
        }
        if (total > bar->width()) {
            return name + QStringLiteral(" tabs do not fit");
        }
    }
    return {};
}

/// Named controls that show: none may be cut, stick out of its parent or overlap a sibling.
QStringList Problems(const QWidget* page)
{
    QStringList problems;
    QList<const QWidget*> shown;
    for (const QWidget* widget : page->findChildren<const QWidget*>()) {
        // The help panel's shape lies under the memo and the pages by design.
        const QString name = widget->objectName();
        if (!name.isEmpty() && widget->isVisibleTo(page) && !name.startsWith(u'q') &&
            name != QStringLiteral("Shape1")) {
            shown.append(widget);
        }
    }
    for (const QWidget* widget : shown) {
        if (QString problem = FitProblem(widget); !problem.isEmpty()) {
            problems.append(problem);
        }
        if (!widget->parentWidget()->rect().contains(InkRect(widget))) {
            problems.append(widget->objectName() + QStringLiteral(" sticks out"));
        }
        for (const QWidget* other : shown) {
            if (other < widget && other->parentWidget() == widget->parentWidget() &&
                InkRect(other).intersects(InkRect(widget))) {
                problems.append(widget->objectName() + QStringLiteral(" overlaps ") + other->objectName());
            }
        }
    }
    return problems;
}

void Shoot(TForm1& form, const QString& name)
{
    const QString folder = qEnvironmentVariable("TOLLWICK_SHOTS");
    if (!folder.isEmpty()) {
        form.grab().save(folder + u'/' + name + QStringLiteral(".png"));
    }
}

} // namespace

void Layout::initTestCase()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

void Layout::WindowIsFixedAndTitled()
{
    Driver driver(FreshHome());
    TForm1& form = driver.Form();
    QCOMPARE(form.windowTitle(), QStringLiteral("Tollwick v1.0"));
    QCOMPARE(form.size(), QSize(627, 380));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!driver.Find("TotalList")->isVisible());
    QVERIFY(!driver.Find("TotalList")->isEnabled());
}

void Layout::EveryTextFitsItsControl_data()
{
    // Every file shipped, so a language added later is measured too.
    QTest::addColumn<QString>("language");
    const QDir shipped(QStringLiteral(TOLLWICK_SOURCE_DIR "/language"));
    const QStringList files = shipped.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    QVERIFY(files.contains(QStringLiteral("English.lng")));
    for (const QString& file : files) {
        QTest::newRow(qPrintable(file.section(u'.', 0, 0))) << file;
    }
}

void Layout::EveryTextFitsItsControl()
{
    QFETCH(QString, language);
    const std::string home = FreshHome();
    Driver driver(home);
    if (language != QStringLiteral("English.lng")) {
        driver.Click("RadioButton3");
        driver.Dialogs().fileAnswers.push_back(QString::fromStdString(home + "language/") + language);
        driver.Next();
    }
    QVERIFY(driver.Dialogs().messages.empty());
    // The list and result pages with rows in them.
    Folder files;
    for (const char* name : {"IMG_0001.jpg", "Отпуск на море.JPG", "notes.txt"}) {
        files.Add(QString::fromUtf8(name));
    }
    driver.Cancel();
    driver.OpenFolder(files.Path());
    driver.Click("CheckAllBtn");
    if (driver.Find<QAbstractButton>("UndoCheck")->isChecked()) {
        driver.Click("UndoCheck");
    }
    driver.Next();
    driver.Next();
    driver.Form().ShowPage(Page::Start);
    const QString prefix = language.section(u'.', 0, 0);
    QStringList problems = Problems(&driver.Form());
    Shoot(driver.Form(), prefix + QStringLiteral("_page1"));
    for (int page = 2; page <= 10; ++page) {
        driver.Form().ShowPage(static_cast<Page>(page));
        problems += Problems(&driver.Form());
        Shoot(driver.Form(), prefix + QStringLiteral("_page%1").arg(page));
    }
    driver.Form().ShowPage(Page::Generators);
    for (int tab = 1; tab < 5; ++tab) {
        driver.ClickTab("GeneratePage", tab);
        problems += Problems(&driver.Form());
        Shoot(driver.Form(), prefix + QStringLiteral("_page8_tab%1").arg(tab + 1));
    }
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

void Layout::ComponentsCoverEveryLanguageKey()
{
    Driver driver(FreshHome());
    QStringList texted;
    for (const Component& component : driver.Form().Components()) {
        if (component.setText) {
            texted.append(component.name);
        }
    }
    QStringList keys;
    for (const auto& list : {std::vector<std::string_view>(CaptionKeys.begin(), CaptionKeys.end()),
                             std::vector<std::string_view>(HintKeys.begin(), HintKeys.end()),
                             std::vector<std::string_view>(TitleKeys.begin(), TitleKeys.end())}) {
        for (const std::string_view key : list) {
            keys.append(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
        }
    }
    texted.sort();
    keys.sort();
    QCOMPARE(texted, keys);
}

QTEST_MAIN(Layout)
#include "Layout_test.moc"
