#include "scratch/AutosaveWriter.h"

#include <utility>

#include "scratch/ScratchFiles.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

AutosaveWriter::AutosaveWriter(const DataDir& dir, std::function<void()> failed, std::function<void()> succeeded)
    : m_dir(dir)
    , m_failed(std::move(failed))
    , m_succeeded(std::move(succeeded))
    , m_thread([this] { run(); })
{
}

AutosaveWriter::~AutosaveWriter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void AutosaveWriter::submit(const QString& text)
{
    {
        const std::lock_guard lock(m_mutex);
        m_pending = text;
    }
    m_changed.notify_all();
}

void AutosaveWriter::cancel()
{
    std::unique_lock lock(m_mutex);
    m_pending.reset();
    m_changed.wait(lock, [this] { return !m_writing; });
}

void AutosaveWriter::run()
{
#ifdef Q_OS_LINUX
    // The writer gives way to the thread that paints the keys: on a busy machine a save may wait, a key may not.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending.has_value() || m_stopping; });
        if (!m_pending)
            return;
        const QString text = *std::exchange(m_pending, std::nullopt);
        m_writing = true;
        lock.unlock();
        // Every key: no waiting for the disk; the rename still replaces the file whole.
        const bool written = ScratchFile::write(m_dir, 1, text, false);
        (written ? m_succeeded : m_failed)();
        lock.lock();
        m_writing = false;
        m_changed.notify_all();
    }
}
