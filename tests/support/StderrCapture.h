#pragma once

// Collects what is written through the C `stderr` stream while it lives; release() gives it
// back. libmdb reports what it finds wrong in a file only there. The stream is swapped,
// not the descriptor, so a sanitizer's report of a crash still reaches the terminal.

#include <QByteArray>

#include <cstdio>
#include <cstdlib>

namespace veldora::testing {

class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        saved_ = stderr;
        stream_ = open_memstream(&text_, &size_);
        if (stream_) stderr = stream_;
    }
    ~StderrCapture() {
        release();
        std::free(text_);
    }
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;

    QByteArray release() {
        if (!stream_) return result_;
        stderr = saved_;
        std::fclose(stream_);
        stream_ = nullptr;
        result_ = QByteArray(text_, qsizetype(size_));
        return result_;
    }

private:
    FILE *saved_ = nullptr;
    FILE *stream_ = nullptr;
    char *text_ = nullptr;
    size_t size_ = 0;
    QByteArray result_;
};

}  // namespace veldora::testing
