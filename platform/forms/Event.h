// A single-handler event: a form wires one handler in design(); the model raises it synchronously.
#pragma once

#include <functional>
#include <utility>

namespace platform
{

template <class... Args> class Event
{
  public:
    void operator()(std::function<void(Args...)> handler) { m_handler = std::move(handler); }
    explicit operator bool() const { return static_cast<bool>(m_handler); }
    void raise(Args... args) const
    {
        if (m_handler) {
            m_handler(std::forward<Args>(args)...);
        }
    }

  private:
    std::function<void(Args...)> m_handler;
};

} // namespace platform
