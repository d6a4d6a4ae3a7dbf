#include "platform/runtime/object.h"

#include <cstdio>
#include <cstdlib>

#include "platform/runtime/class_record.h"

namespace rt {

namespace {
std::size_t gLiveObjects = 0;

void runFinalizers(Object& obj) {
  for (const ClassRecord* c = &obj.classRecord(); c; c = c->superclass) {
    if (c->finalize) c->finalize(obj);
  }
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
  if (obj->count_ <= 0) {
    // A release without a reference is a bug in the caller; stop before
    // the memory is touched again.
    std::fprintf(stderr, "runtime: release of an object that holds no reference\n");
    std::abort();
  }
  if (--obj->count_ > 0) return;
  // Weak watchers see the object gone before any finalizer runs.
  if (obj->anchor_) *obj->anchor_ = nullptr;
  obj->count_ = 1;  // keeps counting sane while finalizers run
  runFinalizers(*obj);
  obj->count_ = 0;
  delete obj;
}

void RuntimeLockUnlockObjects(Object* newer, Object* older) {
  RuntimeLockObject(newer);
  RuntimeUnlockObject(older);
}

std::size_t liveObjectCount() { return gLiveObjects; }

}  // namespace rt
