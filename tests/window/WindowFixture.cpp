// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include "platform/AppHome.h"
#include "platform/LineFile.h"
#include "settings/KeyLines.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>

namespace tollwick::test {
namespace {

void CopyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files)) {
        QFile::copy(entry.filePath(), to + u'/' + entry.fileName());
    }
}

} // namespace

std::string FreshHome()
{
    QString home = qEnvironmentVariable("TOLLWICK_HOME");
    if (home.isEmpty()) {
        static QTemporaryDir fallback;
        home = fallback.path() + u'/';
        qputenv("TOLLWICK_HOME", home.toUtf8());
    }
    QDir(home).removeRecursively();
    const QString source = QStringLiteral(TOLLWICK_SOURCE_DIR);
    CopyFolder(source + QStringLiteral("/data"), home + QStringLiteral("/data"));
    CopyFolder(source + QStringLiteral("/language"), home + QStringLiteral("/language"));
    QDir().mkpath(home + QStringLiteral("/undo"));
    return ApplicationHome();
}

QString LanguageText(const std::string& home, const char* languageFile, const char* key)
{
    const KeyLines texts(ReadLines(home + "language/" + languageFile));
    return QString::fromStdString(texts.LookupText(key));
}

Folder::Folder()
{
    if (!dir_.isValid()) {
        qFatal("cannot make a temporary folder");
    }
}

void Folder::Add(const QString& name, const QByteArray& bytes)
{
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(name));
    }
}

QStringList Folder::Files() const
{
    return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray Folder::Read(const QString& name) const
{
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Driver::Driver(std::string home) : form_(std::make_unique<TForm1>(dialogs_, std::move(home)))
{
    form_->move(300, 100);
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get())) {
        qWarning("window not exposed");
    }
}

Driver::~Driver() = default;

void Driver::Click(const char* name)
{
    auto* button = Find<QAbstractButton>(name);
    // Check boxes and radio buttons take a click on their indicator.
    const bool indicator =
        qobject_cast<QCheckBox*>(button) != nullptr || qobject_cast<QRadioButton*>(button) != nullptr;
    const QPoint where = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, where);
}

void Driver::Type(const char* name, const QString& text)
{
    auto* edit = Find<QLineEdit>(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Driver::ClickTab(const char* name, int position)
{
    QTabBar* bar = nullptr;
    if (auto* tabs = form_->findChild<QTabWidget*>(QString::fromLatin1(name))) {
        bar = tabs->tabBar();
    } else {
        bar = Find<QTabBar>(name);
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(position).center());
}

void Driver::ClickHeader(int column)
{
    QHeaderView* header = Find<QTableView>("FilterList")->horizontalHeader();
    const QPoint where(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, where);
}

void Driver::ClickRow(int row)
{
    auto* view = Find<QTableView>("FilterList");
    const QModelIndex index = view->model()->index(row, 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void Driver::ChooseFolder(const QString& path)
{
    auto* tree = Find<QTreeView>("DirectoryListBox1");
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    tree->setCurrentIndex(model->index(path));
}

void Driver::OpenFolder(const QString& path)
{
    Click("RadioButton1");
    Next();
    ChooseFolder(path);
    Next();
}

QStringList Driver::Column(int column) const
{
    const QAbstractItemModel* model = Find<QTableView>("FilterList")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        texts.append(model->index(row, column).data().toString());
    }
    return texts;
}

QList<bool> Driver::Checks() const
{
    const QAbstractItemModel* model = Find<QTableView>("FilterList")->model();
    QList<bool> checks;
    for (int row = 0; row < model->rowCount(); ++row) {
        checks.append(model->index(row, 0).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked);
    }
    return checks;
}

QString Driver::TextOf(const char* name) const
{
    return Find<QLabel>(name)->text();
}

void Driver::Close()
{
    form_->close();
}

} // namespace tollwick::test
