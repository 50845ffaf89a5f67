// A process-wide service that tests may replace: the one installed, or a default made on first use.
#pragma once

#include <memory>
#include <utility>

namespace platform {

template <class T>
class Installed {
public:
    using Maker = std::unique_ptr<T> (*)();
    constexpr explicit Installed(Maker makeDefault) : mMakeDefault(makeDefault) {}

    T& get()
    {
        if (!mCurrent)
            mCurrent = mMakeDefault();
        return *mCurrent;
    }
    // nullptr brings the default back, made again on next use.
    void set(std::unique_ptr<T> service) { mCurrent = std::move(service); }

private:
    Maker mMakeDefault;
    std::unique_ptr<T> mCurrent;
};

} // namespace platform
