// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace tollwick;
using namespace tollwick::test;

class DialogTexts final : public QObject {
    Q_OBJECT

private slots:
    void BoxButtonsSpeakTheWindowsLanguage();
};

namespace {

void ChooseLanguage(const std::string& home, const QByteArray& file)
{
    QFile config(QString::fromStdString(home + "data/config.cfg"));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QByteArray text = config.readAll();
    config.close();
    text.replace("[cfg_Language,English.lng]", "[cfg_Language," + file + "]");
    QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write(text);
}

// Runs `answer` on the box that opens next, from inside its own event loop.
template <typename Box> void WhenOpen(const std::function<void(Box*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        answer(box);
    });
}

} // namespace

void DialogTexts::BoxButtonsSpeakTheWindowsLanguage()
{
    const std::string home = FreshHome();
    ChooseLanguage(home, "Russian.lng");
    QtDialogs dialogs;
    TForm1 form(dialogs, home);
    const QString ok = LanguageText(home, "Russian.lng", "DialogOK");
    const QString cancel = LanguageText(home, "Russian.lng", "DialogCancel");
    const QString no = LanguageText(home, "Russian.lng", "DialogNo");
    QVERIFY(ok != QStringLiteral("OK") || cancel != QStringLiteral("Cancel"));

    QStringList seen;
    WhenOpen<QInputDialog>([&seen](QInputDialog* box) {
        seen = QStringList{box->okButtonText(), box->cancelButtonText()};
        box->reject();
    });
    QCOMPARE(dialogs.InputBox(&form, QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("kept")),
             QStringLiteral("kept"));
    QCOMPARE(seen, (QStringList{ok, cancel}));

    WhenOpen<QMessageBox>([&seen](QMessageBox* box) {
        seen = QStringList{box->button(QMessageBox::Ok)->text(), box->button(QMessageBox::No)->text()};
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!dialogs.ConfirmNoOk(&form, QStringLiteral("?")));
    QCOMPARE(seen, (QStringList{ok, no}));

    WhenOpen<QMessageBox>([&seen](QMessageBox* box) {
        seen = QStringList{box->button(QMessageBox::Ok)->text()};
        box->accept();
    });
    dialogs.ShowMessage(&form, Dialogs::MessageKind::Information, QStringLiteral("!"));
    QCOMPARE(seen, QStringList{ok});
}

QTEST_MAIN(DialogTexts)
#include "DialogTexts_test.moc"
