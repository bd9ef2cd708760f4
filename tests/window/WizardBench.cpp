// SPDX-License-Identifier: GPL-3.0-or-later
// Times the whole wizard on a folder of N generated files: scan, mask pass,
// check all, invert, a filter pass on and off, preview, run with undo; with the longest gap between two
// paints of the window and the peak memory. Then the floor on a fresh
// folder of the same files: a readdir + fstatat loop and a renameat2 loop,
// and the wizard's time against their sum.
// Not a test: run it by hand (N on the command line), it prints its figures.
#include "FloorLoops.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

using namespace tollwick;
using namespace tollwick::test;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

/// Paint events of one window; the paints of its widgets within a few
/// milliseconds of each other count as one repaint.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget* window) : window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->window() == window_) {
                Painted();
            }
        }
        return false;
    }

    void Start()
    {
        last_ = Clock::now();
        longest_ = 0;
        paints_ = 0;
        StartStep();
    }
    /// Starts counting the longest gap of one step anew.
    void StartStep() { stepLongest_ = 0; }
    [[nodiscard]] double LongestGap() const { return std::max(longest_, SecondsBetween(last_, Clock::now())); }
    /// The longest gap that ended in this step, or that is still open.
    [[nodiscard]] double StepLongestGap() const { return std::max(stepLongest_, SecondsBetween(last_, Clock::now())); }
    [[nodiscard]] int Paints() const { return paints_; }

private:
    void Painted()
    {
        const Clock::time_point now = Clock::now();
        const double gap = SecondsBetween(last_, now);
        if (gap > 0.002) {
            ++paints_;
        }
        longest_ = std::max(longest_, gap);
        stepLongest_ = std::max(stepLongest_, gap);
        last_ = now;
    }

    QWidget* window_;
    Clock::time_point last_ = Clock::now();
    double longest_ = 0;
    double stepLongest_ = 0;
    int paints_ = 0;
};

QString BenchFolderParent()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}

void MakeFiles(const QString& folder, int count)
{
    for (int k = 0; k < count; ++k) {
        QFile file(folder + QStringLiteral("/IMG_%1.jpg").arg(k, 7, 10, QChar(u'0')));
        if (!file.open(QIODevice::WriteOnly)) {
            qFatal("cannot make the files");
        }
    }
}

// A figure of /proc/self/status in kB ("VmHWM:", "VmRSS:"), or -1.
long MemoryKb(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::atol(line.c_str() + std::strlen(key));
        }
    }
    return -1;
}

// The high-water mark starts again from the present size, so that each
// step's own peak shows.
void RestartPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void Settle()
{
    for (int k = 0; k < 3; ++k) {
        QCoreApplication::processEvents();
    }
}

void CheckOn(Driver& driver, const char* name)
{
    if (!driver.Find<QAbstractButton>(name)->isChecked()) {
        driver.Click(name);
    }
}

class Steps {
public:
    explicit Steps(PaintWatch& watch) : watch_(watch) {}

    template <typename Action> void Time(const char* name, Action action)
    {
        peak_ = std::max(peak_, MemoryKb("VmHWM:"));
        const long before = MemoryKb("VmRSS:");
        RestartPeak();
        const Clock::time_point start = Clock::now();
        watch_.StartStep();
        action();
        Settle();
        const double seconds = SecondsBetween(start, Clock::now());
        total_ += seconds;
        if (std::strcmp(name, "scan") == 0 || std::strcmp(name, "mask pass") == 0 ||
            std::strcmp(name, "preview") == 0 || std::strcmp(name, "run") == 0) {
            needed_ += seconds;
        }
        const long stepPeak = MemoryKb("VmHWM:");
        peak_ = std::max(peak_, stepPeak);
        std::printf("  %-12s %8.3f s   longest gap %.3f s   adds %7ld kB at its peak   peak memory so far %7ld kB\n",
                    name, seconds, watch_.StepLongestGap(), stepPeak - before, peak_);
        std::fflush(stdout);
    }

    void PrintTotal() const
    {
        std::printf("  %-12s %8.3f s\n  longest gap between paints %.3f s, %d paints, peak memory %ld kB\n", "total",
                    total_, watch_.LongestGap(), watch_.Paints(), std::max(peak_, MemoryKb("VmHWM:")));
    }

    [[nodiscard]] double Total() const { return total_; }
    /// The steps a renaming cannot do without: scan, mask pass, preview, run.
    [[nodiscard]] double Needed() const { return needed_; }

private:
    PaintWatch& watch_;
    double total_ = 0;
    double needed_ = 0;
    long peak_ = 0;
};

// The same renaming by the floor loops, on a folder made anew.
double FloorSeconds(int fileCount)
{
    QTemporaryDir folder(BenchFolderParent() + QStringLiteral("/tollwick-floor-XXXXXX"));
    if (!folder.isValid()) {
        qFatal("cannot make the folder");
    }
    MakeFiles(folder.path(), fileCount);
    const std::string path = folder.path().toStdString();
    Clock::time_point start = Clock::now();
    const std::vector<std::string> names = bench::ScanLoop(path);
    const double scan = SecondsBetween(start, Clock::now());
    start = Clock::now();
    const std::size_t failed = bench::RenameLoop(path, names, [](std::size_t k) {
        char name[32];
        std::snprintf(name, sizeof name, "Holiday_%07zu", k + 1);
        return std::string(name);
    });
    const double rename = SecondsBetween(start, Clock::now());
    std::printf("floor: scan loop %.3f s + rename loop %.3f s = %.3f s (%zu failed)\n", scan, rename, scan + rename,
                failed);
    return scan + rename;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int fileCount = argc > 1 ? std::atoi(argv[1]) : 100000;

    QTemporaryDir folder(BenchFolderParent() + QStringLiteral("/tollwick-bench-XXXXXX"));
    if (!folder.isValid()) {
        qFatal("cannot make the folder");
    }
    MakeFiles(folder.path(), fileCount);
    std::printf("%d files in %s\n", fileCount, qPrintable(folder.path()));

    Driver driver(FreshHome());
    PaintWatch watch(&driver.Form());
    QApplication::instance()->installEventFilter(&watch);
    driver.Click("RadioButton1");
    driver.Next();
    driver.ChooseFolder(folder.path());
    Settle();

    Steps steps(watch);
    watch.Start();
    steps.Time("scan", [&] { driver.Next(); });
    driver.Click("GenerateBtn");
    driver.ClickTab("GeneratePage", 2);
    driver.Type("MaskNameEdit", QStringLiteral("Holiday_001"));
    CheckOn(driver, "IncNameCheck");
    steps.Time("mask pass", [&] { driver.Next(); });
    steps.Time("check all", [&] { driver.Click("CheckAllBtn"); });
    // Inverted twice, so that every row is checked again for the run.
    steps.Time("invert", [&] { driver.Click("UnCheckBtn"); });
    steps.Time("invert", [&] { driver.Click("UnCheckBtn"); });
    // The filter toggled on and off: two filter passes over every row.
    steps.Time("filter on", [&] { driver.Click("SetFilterBtn"); });
    steps.Time("filter off", [&] { driver.Click("SetFilterBtn"); });
    CheckOn(driver, "UndoCheck");
    steps.Time("preview", [&] { driver.Next(); });
    steps.Time("run", [&] { driver.Next(); });
    steps.PrintTotal();
    const bool reachedResult = driver.Form().CurrentPage() == Page::Result;
    // Its files go first: two folders of a million files may not fit a tmpfs.
    (void)folder.remove();
    const double floor = FloorSeconds(fileCount);
    std::printf("ratio wizard / floor: %.2f for every step, %.2f for scan, mask pass, preview and run\n",
                steps.Total() / floor, steps.Needed() / floor);
    if (!reachedResult) {
        std::printf("the wizard did not reach the result page\n");
        return 1;
    }
    return 0;
}
