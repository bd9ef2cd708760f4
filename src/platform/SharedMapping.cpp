// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SharedMapping.h"

#include <sys/mman.h>

namespace tollwick {

bool SharedMapping::Cover(int fd, std::size_t length)
{
    void* const mapped = data_ == nullptr ? mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                                          : mremap(data_, length_, length, MREMAP_MAYMOVE);
    if (mapped == MAP_FAILED) {
        return false;
    }
    data_ = static_cast<char*>(mapped);
    length_ = length;
    return true;
}

void SharedMapping::Unmap()
{
    if (data_ != nullptr) {
        munmap(std::exchange(data_, nullptr), std::exchange(length_, 0));
    }
}

} // namespace tollwick
