// Groups of like controls addressed by index (any first index); handlers receive the index.
#pragma once

#include "platform/core/RuntimeError.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace platform
{

class Form;

template <class T> class ControlArray
{
  public:
    ControlArray(Form& form, const std::string& name, int first, int last)
    {
        for (int i = first; i <= last; ++i) {
            m_items.emplace(i, std::make_unique<T>(form, name, i));
        }
    }

    // A missing element is error 340.
    T& operator()(int index)
    {
        auto it = m_items.find(index);
        if (it == m_items.end()) {
            raise(err::ControlArrayElement,
                  "Control array element '" + std::to_string(index) + "' doesn't exist");
        }
        return *it->second;
    }
    T& operator[](int index) { return (*this)(index); }
    bool contains(int index) const { return m_items.count(index) != 0; }
    int first() const { return m_items.begin()->first; }
    int last() const { return m_items.rbegin()->first; }

    template <class F> void forEach(F&& f)
    {
        for (auto& [i, item] : m_items) {
            f(i, *item);
        }
    }

    void onClick(std::function<void(int)> handler) { wire(&T::click, std::move(handler)); }
    void onDblClick(std::function<void(int)> handler) { wire(&T::dblClick, std::move(handler)); }
    void onChange(std::function<void(int)> handler) { wire(&T::change, std::move(handler)); }
    void onGotFocus(std::function<void(int)> handler) { wire(&T::gotFocus, std::move(handler)); }
    void onLostFocus(std::function<void(int)> handler) { wire(&T::lostFocus, std::move(handler)); }
    void onKeyPress(std::function<void(int, std::int16_t&)> handler)
    {
        for (auto& [i, item] : m_items) {
            item->keyPress([handler, i = i](std::int16_t& c) { handler(i, c); });
        }
    }
    void onKeyDown(std::function<void(int, std::int16_t&, int)> handler)
    {
        for (auto& [i, item] : m_items) {
            item->keyDown([handler, i = i](std::int16_t& k, int s) { handler(i, k, s); });
        }
    }

  private:
    template <class Member> void wire(Member event, std::function<void(int)> handler)
    {
        for (auto& [i, item] : m_items) {
            ((*item).*event)([handler, i = i] { handler(i); });
        }
    }

    std::map<int, std::unique_ptr<T>> m_items;
};

} // namespace platform
