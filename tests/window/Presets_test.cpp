// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>

using namespace tollwick;
using namespace tollwick::test;

// Presets are the one list of steps both programs run: what one saves, the other runs to the same names.
class Presets final : public QObject {
    Q_OBJECT

private slots:
    void AWindowPresetRunsInTheBatchToTheSameNames();
    void ABatchPresetRunsInTheWindowToTheSameNames();
    void ADamagedPresetIsRefusedAndRunsNothing();
};

namespace {

// The batch's --list lines, reduced to their new names.
QStringList BatchNewNames(const std::string& home, const QStringList& steps)
{
    QProcess batch;
    batch.start(QStringLiteral(TOLLWICK_BATCH),
                QStringList{QStringLiteral("--home"), QString::fromStdString(home)} + steps);
    if (!batch.waitForFinished(60000) || batch.exitCode() != 0) {
        qWarning("tollwick-batch: %s", batch.readAllStandardError().constData());
        return {};
    }
    QStringList names;
    for (const QByteArray& line : batch.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 5) {
            names.append(QString::fromUtf8(fields[1]));
        }
    }
    return names;
}

void MakeCountingMask(Driver& driver)
{
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("trip_01_*"));
    if (!driver.Find<QAbstractButton>("IncNameCheck")->isChecked()) {
        driver.Click("IncNameCheck");
    }
}

void ChoosePreset(Driver& driver, const QString& name)
{
    auto* box = driver.Find<QComboBox>("PresetBox");
    const int position = box->findText(name);
    QVERIFY(position > 0);
    box->setCurrentIndex(position);
    emit box->activated(position);
}

} // namespace

void Presets::AWindowPresetRunsInTheBatchToTheSameNames()
{
    const std::string home = FreshHome();
    Folder photos;
    photos.Add(QStringLiteral("b.jpg"));
    photos.Add(QStringLiteral("a.jpg"));
    Driver driver(home);
    driver.OpenFolder(photos.Path());
    MakeCountingMask(driver);
    driver.Dialogs().inputAnswers.push_back(QStringLiteral("trip"));
    driver.Click("SavePresetBtn");
    QCOMPARE(driver.Find<QComboBox>("PresetBox")->currentText(), QStringLiteral("trip"));
    driver.Next();
    const QStringList windowNames = driver.Column(1);
    QCOMPARE(windowNames, (QStringList{QStringLiteral("trip_01_a.jpg"), QStringLiteral("trip_02_b.jpg")}));

    QCOMPARE(BatchNewNames(home, {QStringLiteral("--scan"), photos.Path(), QStringLiteral("--preset"),
                                  QStringLiteral("trip"), QStringLiteral("--list")}),
             windowNames);
}

void Presets::ABatchPresetRunsInTheWindowToTheSameNames()
{
    const std::string home = FreshHome();
    Folder photos;
    photos.Add(QStringLiteral("Beach.JPG"));
    photos.Add(QStringLiteral("Alps.JPG"));
    const QStringList batchNames = BatchNewNames(
        home, {QStringLiteral("--scan"), photos.Path(), QStringLiteral("--case"), QStringLiteral("lower"),
               QStringLiteral("--mask"), QStringLiteral("*_1"), QStringLiteral("*"), QStringLiteral("--count"),
               QStringLiteral("--save-preset"), QStringLiteral("two"), QStringLiteral("--list")});
    QCOMPARE(batchNames, (QStringList{QStringLiteral("alps_1.jpg"), QStringLiteral("beach_2.jpg")}));

    Driver driver(home);
    driver.OpenFolder(photos.Path());
    driver.Click("GenerateBtn");
    ChoosePreset(driver, QStringLiteral("two"));
    // The sample shows what the preset's two passes make of the first row.
    QCOMPARE(driver.TextOf("GenerateSampleLabel"), QStringLiteral("Now: Alps.JPG\nNew: alps_1.jpg"));
    driver.Next();
    QCOMPARE(driver.Column(1), batchNames);
}

void Presets::ADamagedPresetIsRefusedAndRunsNothing()
{
    const std::string home = FreshHome();
    QDir().mkpath(QString::fromStdString(home) + QStringLiteral("data/presets"));
    QFile damaged(QString::fromStdString(home) + QStringLiteral("data/presets/broken.cfg"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("[step,case]\n[mode,lower]\n[step,sparkle]\n");
    damaged.close();
    Folder photos;
    photos.Add(QStringLiteral("IMG.JPG"));
    Driver driver(home);
    driver.OpenFolder(photos.Path());
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("kept"));
    ChoosePreset(driver, QStringLiteral("broken"));
    const QStringList messages = driver.Dialogs().TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QStringLiteral("broken.cfg:3")), qPrintable(messages[0]));
    QCOMPARE(driver.Find<QComboBox>("PresetBox")->currentIndex(), 0);
    // With no preset chosen the tab runs, and nothing of the damaged file's first step.
    driver.Next();
    QCOMPARE(driver.Column(1), QStringList{QStringLiteral("kept.JPG")});
}

QTEST_MAIN(Presets)
#include "Presets_test.moc"
