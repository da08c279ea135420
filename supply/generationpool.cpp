#include "generationpool.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGlobalStatic>
#include <QObject>
#include <QThread>
#include <QThreadPool>

#include <mutex>
#include <vector>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>
#endif

#if defined(__SANITIZE_THREAD__)
#define PONDREL_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define PONDREL_THREAD_SANITIZER 1
#endif
#endif
#ifdef PONDREL_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace pondrel::detail {

namespace {

// One thread per difficulty: more would only queue behind each other.
constexpr int kMaxGenerationThreads = 4;

#ifdef Q_OS_LINUX
// The "utility" level: the scheduler still runs generation on an idle core
// at full speed, but input handling and drawing win any contended core.
constexpr int kGenerationNiceness = 10;
#endif

// On Linux a thread's QThread priority maps to nothing under the normal
// scheduling policy, so the pool thread lowers its own niceness, which Linux
// keeps per thread. Setting it on every task is cheap and idempotent; a
// process that already runs nicer than this is left alone.
void lowerCurrentThreadPriority()
{
#ifdef Q_OS_LINUX
    const auto thread = static_cast<id_t>(gettid());
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, thread);
    if (errno == 0 && current < kGenerationNiceness) {
        setpriority(PRIO_PROCESS, thread, kGenerationNiceness);
    }
#endif
}

// QThreadPool's queue and the event queue hand work from one thread to
// another under QMutex, which Qt locks with atomics and futexes compiled
// into its own library. ThreadSanitizer sees neither, so under it every
// task's captures would look raced; these two calls tell it about the lock:
// whatever a thread wrote before handOver() is visible to the thread that
// calls takeOver() after it. Without ThreadSanitizer they compile to nothing.
#ifdef PONDREL_THREAD_SANITIZER
char handOverToken;

void handOver()
{
    __tsan_release(&handOverToken);
}

void takeOver()
{
    __tsan_acquire(&handOverToken);
}
#else
void handOver() {}
void takeOver() {}
#endif

// A task as the pool runs it; deleted by the pool when it ends.
class GenerationTask final : public QRunnable
{
public:
    explicit GenerationTask(std::function<void()> task) : m_task(std::move(task)) {}

    void run() override
    {
        takeOver();
        lowerCurrentThreadPriority();
        m_task();
    }

private:
    std::function<void()> m_task;
};

// A function on its way to the owner's event loop. The event is built
// whole before it is handed over, so the loop finds it complete.
class DeliveryEvent final : public QEvent
{
public:
    static QEvent::Type eventType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    explicit DeliveryEvent(std::function<void()> function)
        : QEvent(eventType()), m_function(std::move(function))
    {}

    void deliver() const { m_function(); }

private:
    std::function<void()> m_function;
};

// Lives on the owner's thread and calls the functions that arrive.
class Relay final : public QObject
{
protected:
    bool event(QEvent *event) override
    {
        takeOver(); // before the first look at an event another thread built
        if (event->type() == DeliveryEvent::eventType()) {
            static_cast<const DeliveryEvent *>(event)->deliver();
            return true;
        }
        return QObject::event(event);
    }
};

class GenerationPool
{
public:
    GenerationPool()
    {
        m_pool.setMaxThreadCount(kMaxGenerationThreads);
        // Honoured where the platform maps it (macOS, Windows); see above.
        m_pool.setThreadPriority(QThread::LowestPriority);
        // Idle threads wait rather than exit: an exit 30 s after the last
        // refill would wake an otherwise idle tray app.
        m_pool.setExpiryTimeout(-1);
        // Results must arrive on the thread that runs the event loop.
        if (const QCoreApplication *app = QCoreApplication::instance();
            app && app->thread() != QThread::currentThread()) {
            m_relay.moveToThread(app->thread());
        }
    }

    // Runs at process exit. Supplies raise their flags when they are
    // destroyed; this catches the ones that never were, so exit waits for one
    // generation step rather than a whole generation.
    ~GenerationPool()
    {
        {
            const std::lock_guard lock(m_mutex);
            for (const std::weak_ptr<std::atomic<bool>> &flag : m_stopFlags) {
                if (const std::shared_ptr<std::atomic<bool>> stop = flag.lock()) {
                    stop->store(true);
                }
            }
        }
        m_pool.waitForDone();
    }

    void start(std::shared_ptr<std::atomic<bool>> stop, std::function<void()> task)
    {
        {
            const std::lock_guard lock(m_mutex);
            std::erase_if(m_stopFlags, [](const auto &flag) { return flag.expired(); });
            m_stopFlags.push_back(stop);
        }
        // The task keeps its flag alive until it ends.
        auto *runnable = new GenerationTask([stop = std::move(stop), task = std::move(task)] {
            task();
        });
        handOver();
        m_pool.start(runnable);
    }

    void post(std::function<void()> function)
    {
        auto *event = new DeliveryEvent(std::move(function));
        handOver();
        QCoreApplication::postEvent(&m_relay, event);
    }

private:
    std::mutex m_mutex;
    std::vector<std::weak_ptr<std::atomic<bool>>> m_stopFlags;
    // Declared before the pool so that it is destroyed after the pool has
    // waited for the last task that might post to it.
    Relay m_relay;
    QThreadPool m_pool;
};

Q_GLOBAL_STATIC(GenerationPool, generationPool)

} // namespace

void startGeneration(std::shared_ptr<std::atomic<bool>> stop, std::function<void()> task)
{
    if (GenerationPool *pool = generationPool()) {
        pool->start(std::move(stop), std::move(task));
    }
}

void postToOwnerThread(std::function<void()> function)
{
    if (GenerationPool *pool = generationPool()) {
        pool->post(std::move(function));
    }
}

} // namespace pondrel::detail
