// Writes the fuzz target's seed corpus and dictionary: one file per property
// block (the class selector byte, then the block's content) and every key of
// the blocks with its blank.
#include <cstdio>
#include <fstream>
#include <set>
#include <string>

#include "block_classes.h"
#include "window/property_blocks.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SEED_DIR DICTIONARY\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  int number = 0;
  std::set<std::string> keys;
  for (const blocks::Block& b : blocks::all()) {
    std::string name = (number < 10 ? "0" : "") + std::to_string(number) + "-" + std::string(b.name);
    ++number;
    if (b.index >= 0) name += "-" + std::to_string(b.index);
    std::ofstream out(dir + "/" + name, std::ios::binary);
    out.put(static_cast<char>(fuzzblocks::selectorOf(b.kind)));
    const std::string_view content = b.literal->content();
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), name.c_str());
      return 1;
    }
    for (const blocks::Entry& e : b.entries) keys.insert(std::string(e.key));
  }
  std::ofstream dict(argv[2]);
  for (const std::string& k : keys) dict << '"' << k << " \"\n";
  return dict ? 0 : 1;
}
