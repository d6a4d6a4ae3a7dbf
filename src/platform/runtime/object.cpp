#include "platform/runtime/object.h"

#include <cstdio>
#include <cstdlib>

#include "platform/runtime/class_record.h"
#include "platform/runtime/lifecycle.h"

namespace rt {

namespace {
std::size_t gLiveObjects = 0;

// Every finalizer of the chain runs, even after one of them raised: each
// lets go of what its own class holds.
void runFinalizers(Object& obj) {
  for (const ClassRecord* c = &obj.classRecord(); c; c = c->superclass) {
    if (c->finalize) runReportingExceptions([&] { c->finalize(obj); });
  }
}

// A count that went wrong is a bug in the caller; stop before the memory is
// touched again.
[[noreturn]] void countingFault(const Object& obj, const char* what) {
  std::fprintf(stderr, "runtime: %s (a %s)\n", what, obj.classRecord().name.str().c_str());
  std::abort();
}
}  // namespace

Object::Object(const ClassRecord& cls) : class_(&cls), fields_(cls.instanceSize) { ++gLiveObjects; }

Object::~Object() {
  if (anchor_) *anchor_ = nullptr;
  destroyAttachedHandlers(handlers_);
  --gLiveObjects;
}

const std::shared_ptr<Object*>& Object::weakAnchor() {
  if (!anchor_) anchor_ = std::make_shared<Object*>(this);
  return anchor_;
}

void RuntimeLockObject(Object* obj) {
  if (obj) ++obj->count_;
}

void RuntimeUnlockObject(Object* obj) {
  if (!obj) return;
  if (obj->count_ <= 0) countingFault(*obj, "release of an object that holds no reference");
  if (--obj->count_ > 0) return;
  if (obj->stage_ == Object::Stage::Finalizing) {
    // The reference the release in progress holds was let go by a finalizer.
    countingFault(*obj, "a finalizer released its own object once more than it took it");
  }
  if (obj->stage_ == Object::Stage::Alive) {
    // Weak watchers see the object gone before any finalizer runs.
    if (obj->anchor_) *obj->anchor_ = nullptr;
    obj->stage_ = Object::Stage::Finalizing;
    obj->count_ = 1;  // the release in progress: finalizers may lock and unlock
    runFinalizers(*obj);
    obj->stage_ = Object::Stage::Finalized;
    if (--obj->count_ > 0) return;  // a finalizer kept a reference: it lives on
  }
  delete obj;
}

void RuntimeLockUnlockObjects(Object* newer, Object* older) {
  RuntimeLockObject(newer);
  RuntimeUnlockObject(older);
}

std::size_t liveObjectCount() { return gLiveObjects; }

}  // namespace rt
