#include "porttool/backgroundjob.h"

#include <QtConcurrent/QtConcurrentRun>

namespace Quillet {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent)
{
    // Often enough to look alive, seldom enough to cost the job nothing.
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, [this] {
        if (m_progress)
            emit progressed(m_progress->done(), m_progress->total());
    });
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &BackgroundJob::finish);
}

BackgroundJob::~BackgroundJob()
{
    stop();
}

void BackgroundJob::start(std::function<void(JobProgress&)> work, std::function<void()> done)
{
    if (isRunning())
        return;
    m_progress = std::make_shared<JobProgress>();
    m_done = std::move(done);
    emit progressed(0, 0);
    m_ticker.start();
    m_watcher.setFuture(
        QtConcurrent::run([progress = m_progress, work = std::move(work)] { work(*progress); }));
}

void BackgroundJob::cancel()
{
    if (m_progress)
        m_progress->cancel();
}

void BackgroundJob::stop()
{
    cancel();
    m_watcher.waitForFinished();
}

void BackgroundJob::finish()
{
    m_ticker.stop();
    emit progressed(m_progress->done(), m_progress->total());
    // The next job may start from done.
    const std::function<void()> done = std::exchange(m_done, nullptr);
    if (done)
        done();
}

} // namespace Quillet
