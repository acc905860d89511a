#pragma once

#include <memory>

struct Platform;

/// Every outside facility with the implementation the program really uses. Build it after the QApplication.
class RealPlatform
{
public:
    RealPlatform();
    ~RealPlatform();
    RealPlatform(const RealPlatform&) = delete;
    RealPlatform& operator=(const RealPlatform&) = delete;

    Platform& platform();

private:
    struct Facilities;
    std::unique_ptr<Facilities> m_facilities;
};
