// Objects of the framework runtime: reference counted, created from a class
// record, with a zeroed field store for the own fields that program classes
// add behind the framework's. Ref<T> owns one counted reference; WeakRef<T>
// watches an object without keeping it alive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace rt {

class ClassRecord;
struct AttachedHandlers;
void destroyAttachedHandlers(AttachedHandlers* h);

class Object {
 public:
  explicit Object(const ClassRecord& cls);
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object();

  const ClassRecord& classRecord() const { return *class_; }
  std::int32_t refCount() const { return count_; }

  // The instance's field store: instance-size bytes, zero when allocated.
  // The framework's own state lives in C++ members; program classes keep
  // their fields here at the byte positions their records give.
  std::span<std::byte> fields() { return fields_; }
  std::span<const std::byte> fields() const { return fields_; }

  // Shared flag that becomes null when the object is destroyed.
  const std::shared_ptr<Object*>& weakAnchor();

  // Run-time event handlers of this one object (see events.h).
  AttachedHandlers*& attachedHandlers() { return handlers_; }
  const AttachedHandlers* attachedHandlers() const { return handlers_; }

 private:
  friend void RuntimeLockObject(Object* obj);
  friend void RuntimeUnlockObject(Object* obj);

  // Where the object is in its release: its finalizers run once, even when
  // one of them takes a new reference and the object lives on.
  enum class Stage : std::uint8_t { Alive, Finalizing, Finalized };

  const ClassRecord* class_;
  std::int32_t count_ = 1;
  Stage stage_ = Stage::Alive;
  std::vector<std::byte> fields_;
  std::shared_ptr<Object*> anchor_;
  AttachedHandlers* handlers_ = nullptr;
};

// Raw counting, nil allowed. Program code uses Ref<T> instead.
void RuntimeLockObject(Object* obj);
// Releases one reference. The last one runs the class chain's finalizers,
// then frees the object. A finalizer that raises is reported as an event
// handler's exception is, and the release goes on. A finalizer that keeps a
// new reference to its object keeps it alive (weak references read nil from
// the first release on); its finalizers do not run again, and the release of
// that last reference frees it.
void RuntimeUnlockObject(Object* obj);
// Locks the new reference, then unlocks the old one.
void RuntimeLockUnlockObjects(Object* newer, Object* older);

// Objects alive right now, for leak checks in tests.
std::size_t liveObjectCount();

template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}  // NOLINT(google-explicit-constructor)
  ~Ref() { RuntimeUnlockObject(p_); }

  // Takes over the one reference that p already carries (a new object).
  static Ref adopt(T* p) {
    Ref r;
    r.p_ = p;
    return r;
  }
  // Takes a new reference to p.
  static Ref retain(T* p) {
    RuntimeLockObject(p);
    return adopt(p);
  }

  Ref(const Ref& o) : p_(o.p_) { RuntimeLockObject(p_); }
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  template <class U>
  Ref(const Ref<U>& o) : p_(o.get()) {  // NOLINT: upcasts are implicit
    RuntimeLockObject(p_);
  }
  template <class U>
  Ref(Ref<U>&& o) noexcept : p_(o.release()) {}  // NOLINT
  Ref& operator=(Ref o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // Hands the reference to the caller, who must release it.
  T* release() { return std::exchange(p_, nullptr); }
  void reset() { *this = Ref(); }

  friend bool operator==(const Ref& a, const Ref& b) { return a.p_ == b.p_; }
  friend bool operator==(const Ref& a, std::nullptr_t) { return a.p_ == nullptr; }

 private:
  T* p_ = nullptr;
};

template <class T>
class WeakRef {
 public:
  WeakRef() = default;
  explicit WeakRef(T* p) {
    if (p) anchor_ = static_cast<Object*>(p)->weakAnchor();
  }
  // A new reference to the object, or nil when it is gone.
  Ref<T> lock() const {
    if (!anchor_ || !*anchor_) return nullptr;
    return Ref<T>::retain(static_cast<T*>(*anchor_));
  }
  bool expired() const { return !anchor_ || !*anchor_; }

 private:
  std::shared_ptr<Object*> anchor_;
};

}  // namespace rt
