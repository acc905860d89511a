#pragma once

#include <memory>

#include <QString>

class DataDir;
struct Platform;

/// Every outside facility with the implementation the program really uses. Build it after the QApplication.
class RealPlatform
{
public:
    /// One board runs per data directory and user.
    explicit RealPlatform(const DataDir& dataDir);
    ~RealPlatform();
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    Platform& platform();

    /// The program's loadable module `name` (as QLibrary takes it) in `programDir`, the executable's folder.
    static QString modulePath(const QString& programDir, const char* name);

private:
    struct Facilities;
    std::unique_ptr<Facilities> m_facilities;
};
