// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tollwick {

/// A file made new for writing: its descriptor (-1 when none could be
/// made) and its path.
struct NewFile {
    int fd = -1;
    std::string path;
};

/// Creates a file named `path` + "." + six random letters, one that did
/// not exist, open for writing. Unlike mkstemp it asks for mode 0666, so
/// the umask decides who may read it, as for any file the user creates.
/// The caller closes the descriptor.
[[nodiscard]] NewFile CreateTemporaryBeside(const std::string& path);

} // namespace tollwick
