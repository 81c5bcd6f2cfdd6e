// CComPtr: the one owner of a COM interface pointer; it releases it in its destructor.
#pragma once

template <typename Interface>
class CComPtr {
 public:
  CComPtr() : m_p(nullptr) {}
  ~CComPtr() { Reset(); }

  Interface* Get() const { return m_p; }
  Interface* operator->() const { return m_p; }
  // The slot an out parameter fills: IID_PPV_ARGS(p.Receive()). A pointer held before is
  // released first.
  Interface** Receive() {
    Reset();
    return &m_p;
  }

 private:
  CComPtr(const CComPtr&) = delete;
  CComPtr& operator=(const CComPtr&) = delete;

  void Reset() {
    if (m_p)
      m_p->Release();
    m_p = nullptr;
  }

  Interface* m_p;
};
