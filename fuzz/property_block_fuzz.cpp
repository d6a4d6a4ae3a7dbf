// libFuzzer target for the property-block reader. The first input byte picks
// the framework class; the rest is the block. A malformed block must raise
// the framework's RuntimeException with a message that names the key and the
// byte offset; a block that decodes must then apply to a fresh object of the
// class. Anything else (a crash, a read out of bounds, another exception)
// is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "block_classes.h"
#include "platform/runtime/exceptions.h"
#include "platform/ui/blocks/property_block.h"
#include "platform/ui/classes.h"

namespace {

[[noreturn]] void broken(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "property block fuzz: %s %s\n", what, detail.c_str());
  std::abort();
}

void checkRaised(const rt::Raised& r) {
  auto* e = dynamic_cast<rt::RuntimeException*>(r.exception().get());
  if (!e || rt::RuntimeObjectIsa(e, rt::NilObjectExceptionClass())) broken("decoding raised", r.what());
  const std::string msg = e->message().str();
  if (msg.find("key \"") == std::string::npos || msg.find("\" at byte ") == std::string::npos) {
    broken("error message names no key and offset:", msg);
  }
}

std::size_t valueWidth(const rt::Value& v) {
  if (std::holds_alternative<std::int32_t>(v)) return 4;
  if (std::holds_alternative<bool>(v)) return 1;
  if (std::holds_alternative<rt::Color>(v)) return 3;
  if (const auto* s = std::get_if<rt::String>(&v)) return 4 + s->size();
  broken("decoded a value of kind", rt::valueKindName(v));
}

// The entries must tile the block: each starts where the one before ended,
// holds its key and a blank there, and the last ends at the block's length.
void checkEntries(std::string_view block, const std::vector<ui::DecodedEntry>& entries) {
  std::size_t at = 0;
  for (const ui::DecodedEntry& e : entries) {
    if (e.offset != at || !e.property) broken("entry out of place:", e.key);
    if (block.substr(at, e.key.size()) != e.key || block.substr(at + e.key.size(), 1) != " ") {
      broken("entry does not match the block at its offset:", e.key);
    }
    at += e.key.size() + 1 + valueWidth(e.value);
  }
  if (at != block.size()) broken("the entries end before the block does");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  ui::buildFrameworkClasses();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const blocks::ObjectKind kind = fuzzblocks::kKinds[data[0] % fuzzblocks::kKinds.size()];
  const rt::ClassRecord& cls = blocks::frameworkClass(kind);
  const std::string_view block(reinterpret_cast<const char*>(data + 1), size - 1);

  std::vector<ui::DecodedEntry> entries;
  try {
    entries = ui::decodePropertyBlock(cls, block);
  } catch (const rt::Raised& r) {
    checkRaised(r);
    return 0;
  }
  checkEntries(block, entries);

  rt::Ref<rt::Object> obj = rt::RuntimeNewObject(cls);
  try {
    ui::RuntimeMassPropertySetter(obj.get(), rt::String::fromBytes(block, rt::kEncodingUTF8));
  } catch (const rt::Raised&) {
    // A model may refuse a value it cannot hold; that is its framework
    // exception, not a fault of the reader.
  }
  if (obj->refCount() != 1) broken("applying a block changed the object's reference count");
  return 0;
}
