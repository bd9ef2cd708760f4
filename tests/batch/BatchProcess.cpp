// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchProcess.h"

#include "platform/LineFile.h"
#include "settings/KeyLines.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tollwick::test {
namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int WaitFor(pid_t child)
{
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("waitpid failed");
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Starts tollwick-batch with these arguments, standard input from /dev/null,
// standard output on `outFd` and standard error into `errPath`.
pid_t StartBatch(const std::vector<std::string>& arguments, int outFd, const std::string& errPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> argv{TOLLWICK_BATCH_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    pid_t child = 0;
    const int failed = posix_spawn(&child, TOLLWICK_BATCH_PATH, &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error("cannot start " TOLLWICK_BATCH_PATH);
    }
    return child;
}

int SpawnBatch(const std::vector<std::string>& arguments, int outFd, const std::string& errPath)
{
    return WaitFor(StartBatch(arguments, outFd, errPath));
}

} // namespace

std::vector<std::string> BatchResult::OutLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

BatchResult RunBatch(const std::vector<std::string>& arguments, const std::string& givenOutPath,
                     const std::string& givenErrPath)
{
    // Output goes to files, so a child that writes much cannot block on a pipe.
    const TempDir capture;
    const std::string outPath = givenOutPath.empty() ? capture.Path() + "out" : givenOutPath;
    const std::string errPath = givenErrPath.empty() ? capture.Path() + "err" : givenErrPath;
    const int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (outFd < 0) {
        throw std::runtime_error("cannot create " + outPath);
    }
    BatchResult result;
    result.exitCode = SpawnBatch(arguments, outFd, errPath);
    close(outFd);
    result.out = givenOutPath.empty() ? ReadWhole(outPath) : std::string();
    result.err = ReadWhole(errPath);
    return result;
}

BatchResult RunBatchAndSignal(const std::vector<std::string>& arguments, int signal, const std::function<bool()>& when)
{
    const TempDir capture;
    const std::string outPath = capture.Path() + "out";
    const std::string errPath = capture.Path() + "err";
    const int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (outFd < 0) {
        throw std::runtime_error("cannot create " + outPath);
    }
    const pid_t child = StartBatch(arguments, outFd, errPath);
    close(outFd);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!when() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(child, signal);
    BatchResult result;
    result.exitCode = WaitFor(child);
    result.out = ReadWhole(outPath);
    result.err = ReadWhole(errPath);
    return result;
}

BatchResult RunBatchWithoutReader(const std::vector<std::string>& arguments)
{
    const TempDir capture;
    const std::string errPath = capture.Path() + "err";
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    close(ends[0]);
    BatchResult result;
    result.exitCode = SpawnBatch(arguments, ends[1], errPath);
    close(ends[1]);
    result.err = ReadWhole(errPath);
    return result;
}

BatchHome::BatchHome()
{
    for (const char* part : {"data", "language"}) {
        const fs::path shipped = fs::path(TOLLWICK_SOURCE_DIR) / part;
        if (fs::is_directory(shipped)) {
            fs::copy(shipped, fs::path(dir_.Path()) / part, fs::copy_options::recursive);
        } else {
            dir_.MakeFolder(part);
        }
    }
    dir_.MakeFolder("undo");
}

BatchResult BatchHome::Run(std::vector<std::string> arguments) const
{
    arguments.insert(arguments.begin(), {"--home", Path()});
    return RunBatch(arguments);
}

BatchResult BatchHome::RunAndSignal(std::vector<std::string> arguments, int signal,
                                    const std::function<bool()>& when) const
{
    arguments.insert(arguments.begin(), {"--home", Path()});
    return RunBatchAndSignal(arguments, signal, when);
}

BatchResult BatchHome::RunWithoutReader(std::vector<std::string> arguments) const
{
    arguments.insert(arguments.begin(), {"--home", Path()});
    return RunBatchWithoutReader(arguments);
}

std::vector<std::string> BatchHome::UndoFiles() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Path() + "undo")) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

void BatchHome::SetStored(const std::string& control, const std::string& value) const
{
    const std::string path = Path() + "data/config.cfg";
    std::vector<std::string> lines = ReadLines(path);
    const std::string key = "[cfg_" + control + ",";
    const auto found = std::ranges::find_if(lines, [&](const std::string& line) { return line.starts_with(key); });
    if (found == lines.end()) {
        lines.push_back(key + value + "]");
    } else {
        *found = key + value + "]";
    }
    WriteLinesAtomic(path, lines);
}

void BatchHome::WriteDataFile(const std::string& relativePath, const std::vector<std::string>& lines) const
{
    WriteLinesAtomic(Path() + relativePath, lines);
}

std::string BatchHome::Text(const std::string& key) const
{
    const KeyLines settings(ReadLines(Path() + "data/config.cfg"));
    const KeyLines language(ReadLines(Path() + "language/" + settings.LookupText("cfg_Language")));
    return language.LookupText(key);
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::vector<std::string> Column(const BatchResult& result, std::size_t column)
{
    std::vector<std::string> values;
    for (const std::string& line : result.OutLines()) {
        values.push_back(Fields(line).at(column));
    }
    return values;
}

} // namespace tollwick::test
