#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include <QString>

#include "core/DataDir.h"

/// Writes the pad's text after every key without making the key wait for the file system: the write runs on a
/// thread of its own, and a text handed in while one is being written replaces any text still waiting, so a
/// burst of keys costs one write per turn and the file is never more than the last write behind the pad.
class AutosaveWriter
{
public:
    /// `failed` runs on the writer's thread after a write that did not succeed; `succeeded` after one that did.
    AutosaveWriter(const DataDir& dir, std::function<void()> failed, std::function<void()> succeeded);
    /// Writes what is still waiting, then ends the thread.
    ~AutosaveWriter();

    void submit(const QString& text);
    /// Drops what is waiting and returns once no write is running, so that another write of the file cannot be
    /// overtaken by an older text.
    void cancel();

    AutosaveWriter(const AutosaveWriter&) = delete;
    AutosaveWriter& operator=(const AutosaveWriter&) = delete;

private:
    void run();

    DataDir m_dir;
    std::function<void()> m_failed;
    std::function<void()> m_succeeded;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<QString> m_pending;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_thread;
};
