#pragma once
#include <ctime>

class IClock {
public:
    virtual ~IClock() = default;
    virtual std::time_t Now() = 0;
};

class CSystemClock : public IClock {
public:
    std::time_t Now() override { return std::time(nullptr); }
};
