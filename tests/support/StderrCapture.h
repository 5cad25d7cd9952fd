#pragma once

// Sends what the process writes to stderr into a file while it lives; release() gives it
// back. libmdb reports what it finds wrong in a file only there.

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <unistd.h>

namespace veldora::testing {

class StderrCapture {
public:
    explicit StderrCapture(const QString &path) {
        std::fflush(stderr);
        saved_ = dup(2);
        file_ = std::fopen(qPrintable(path), "w+");
        dup2(fileno(file_), 2);
    }
    ~StderrCapture() { release(); }
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;

    QByteArray release() {
        if (saved_ < 0) return {};
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
        std::rewind(file_);
        QByteArray text;
        char buffer[4096];
        while (size_t n = std::fread(buffer, 1, sizeof buffer, file_)) text.append(buffer, qsizetype(n));
        std::fclose(file_);
        return text;
    }

private:
    int saved_ = -1;
    FILE *file_ = nullptr;
};

}  // namespace veldora::testing
