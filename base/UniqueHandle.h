// A move-only owner of one handle of any kind: a Win32 object, a pointer, an integer id.
#pragma once

#include <utility>

namespace zelkova {

// Traits name the Handle type and a Close that releases one. Close may be static, or a member
// when releasing needs something the owner carries along (the object that opened the handle).
// The empty value Handle{} is never closed.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle, Traits traits = {}) noexcept
        : handle_(handle), traits_(traits) {}
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(other.release()), traits_(other.traits_) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
            traits_ = other.traits_;
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    const Traits& traits() const noexcept { return traits_; }
    explicit operator bool() const noexcept { return handle_ != Handle{}; }

    // Gives up ownership without releasing.
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Handle{}); }

    void reset(Handle handle = Handle{}) noexcept {
        if (handle_ != Handle{} && handle_ != handle) traits_.Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
    [[no_unique_address]] Traits traits_{};
};

}  // namespace zelkova
