#pragma once

// A copy of some bytes that ends right at an unreadable page, so that code which is not
// built with a sanitizer (libmdb) crashes at once when it reads one byte past the end.

#include <QByteArray>

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace veldora::fuzz {

class GuardedBytes {
public:
    explicit GuardedBytes(const QByteArray &bytes) {
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        const size_t body = (size_t(bytes.size()) + page - 1) / page * page;
        size_ = body + page;
        base_ = static_cast<char *>(mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (base_ == MAP_FAILED) __builtin_trap();
        mprotect(base_ + body, page, PROT_NONE);
        data_ = base_ + body - size_t(bytes.size());
        if (!bytes.isEmpty()) std::memcpy(data_, bytes.constData(), size_t(bytes.size()));
    }
    ~GuardedBytes() { munmap(base_, size_); }
    GuardedBytes(const GuardedBytes &) = delete;
    GuardedBytes &operator=(const GuardedBytes &) = delete;

    char *data() const { return data_; }

private:
    char *base_ = nullptr;
    char *data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace veldora::fuzz
