#include "generationpool.h"

#include <QCoreApplication>
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
        m_pool.start([stop = std::move(stop), task = std::move(task)] {
            lowerCurrentThreadPriority();
            task();
        });
    }

    void post(std::function<void()> function)
    {
        QMetaObject::invokeMethod(&m_relay, std::move(function), Qt::QueuedConnection);
    }

private:
    std::mutex m_mutex;
    std::vector<std::weak_ptr<std::atomic<bool>>> m_stopFlags;
    // Declared before the pool so that it is destroyed after the pool has
    // waited for the last task that might post to it.
    QObject m_relay;
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
