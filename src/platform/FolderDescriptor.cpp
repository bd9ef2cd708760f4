// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FolderDescriptor.h"

#include <cerrno>
#include <fcntl.h>

namespace tollwick {

FolderDescriptor::FolderDescriptor(const std::string& path, SystemCalls& calls)
    : calls_(&calls), fd_(OpenFile(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
      openError_(fd_.IsOpen() ? 0 : errno)
{
}

} // namespace tollwick
