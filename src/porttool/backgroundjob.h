#pragma once

#include "porttool/jobprogress.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace Quillet {

// Runs one job over many pages away from the window's thread, so that the window stays
// responsive, shows how far the job has come and can cancel it.
class BackgroundJob final : public QObject {
    Q_OBJECT
public:
    explicit BackgroundJob(QObject* parent = nullptr);
    ~BackgroundJob() override;
    Q_DISABLE_COPY_MOVE(BackgroundJob)

    bool isRunning() const { return m_watcher.isRunning(); }

    // work runs on another thread; done runs on this one once work has returned.
    void start(std::function<void(JobProgress&)> work, std::function<void()> done);
    void cancel();
    // Cancels and returns once the job has stopped: nothing may outlive the window.
    void stop();

signals:
    void progressed(int done, int total);

private:
    void finish();

    QFutureWatcher<void> m_watcher;
    QTimer m_ticker;
    std::shared_ptr<JobProgress> m_progress;
    std::function<void()> m_done;
};

} // namespace Quillet
