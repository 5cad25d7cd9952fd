#include "GuiTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace veldora::test {

QString sampleFolder() {
#ifdef VELDORA_SAMPLE_FOLDER
    return QString::fromUtf8(VELDORA_SAMPLE_FOLDER);
#else
    return {};
#endif
}

bool copyFolder(const QString &from, const QString &to) {
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to)) return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target)) return false;
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}

std::unique_ptr<TestProgram> startOnSampleCopy(bool fadeIn, const std::function<bool(const QString &)> &prepare) {
    auto t = std::make_unique<TestProgram>();
    t->folder = t->dir.path() + QStringLiteral("/program");
    if (sampleFolder().isEmpty() || !copyFolder(sampleFolder(), t->folder)) return nullptr;
    if (prepare && !prepare(t->folder)) return nullptr;
    StartOptions options;
    options.showSplash = false;
    options.fadeIn = fadeIn;
    t->program = startProgram(t->folder, t->messages, options);
    processEvents();
    return t;
}

void hover(QWidget *w, QPoint pos) {
    QWidget *top = w->window();
    QTest::mouseMove(top->windowHandle(), w->mapTo(top, pos));
    processEvents();
}

void processEvents(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (milliseconds > 0) QThread::msleep(5);
    } while (timer.elapsed() < milliseconds);
}

}  // namespace veldora::test
