// Preloaded into a Qt Widgets program: prints the wall clock when its first
// window has been painted, lets it run a moment longer, then prints the peak
// resident memory and quits. Works on any program without changing it.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace {

long long realtimeNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            // Runs once the paint cycle that began here has been flushed.
            QTimer::singleShot(0, [] {
                std::printf("first_paint_ns %lld\n", realtimeNs());
                QTimer::singleShot(300, [] {
                    rusage usage{};
                    getrusage(RUSAGE_SELF, &usage);
                    std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

void installProbe() { QCoreApplication::instance()->installEventFilter(new FirstPaint(qApp)); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
