#!/usr/bin/env bash
# Builds the property-block fuzz target with clang (libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs it on its seed corpus.
#
#   scripts/fuzz.sh [SECONDS]      default 60
#
# Build folder: build-fuzz/ unless POKO_FUZZ_BUILD_DIR says otherwise. New
# inputs that reach new code are kept in <build>/fuzz/corpus for the next run;
# a crashing input is written to <build>/fuzz/ and the script exits non-zero.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=${1:-60}
if ! [[ ${seconds} =~ ^[0-9]+$ ]] || [[ ${seconds} -eq 0 ]]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi
build_dir=${POKO_FUZZ_BUILD_DIR:-build-fuzz}

if command -v clang++ >/dev/null 2>&1; then
  cc=clang cxx=clang++
elif command -v clang++-14 >/dev/null 2>&1; then
  cc=clang-14 cxx=clang++-14
else
  echo "fuzz.sh: clang is not installed" >&2
  exit 1
fi

# Every library is instrumented, so the fuzzer sees coverage inside the reader
# and the sanitizers check its reads.
instrument="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
generator=()
if [[ ! -f ${build_dir}/CMakeCache.txt ]] && command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
fi
CC=${cc} CXX=${cxx} cmake -S . -B "${build_dir}" "${generator[@]}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="${instrument}" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DPOKO_BUILD_FUZZ=ON -DPOKO_BUILD_TESTS=OFF -DPOKO_BUILD_BENCH=OFF -DPOKO_SANITIZE=OFF
cmake --build "${build_dir}" --target property_block_fuzz -j"$(nproc)"

fuzz_dir=${build_dir}/fuzz
exe=${fuzz_dir}/property_block_fuzz
if [[ ! -x ${exe} ]]; then
  echo "fuzz.sh: ${exe} was not built" >&2
  exit 1
fi
mkdir -p "${fuzz_dir}/corpus"
log=${fuzz_dir}/property_block_fuzz.log

set +e
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} "${exe}" \
  -max_total_time="${seconds}" \
  -print_final_stats=1 \
  -dict="${fuzz_dir}/property_block.dict" \
  -artifact_prefix="${fuzz_dir}/" \
  "${fuzz_dir}/corpus" "${fuzz_dir}/property_block_seeds" 2>&1 | tee "${log}"
status=${PIPESTATUS[0]}
set -e

executions=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "${log}" | tail -n 1)
echo "executions: ${executions:-unknown}"
if [[ ${status} -ne 0 ]]; then
  echo "fuzz.sh: the fuzzer stopped with status ${status}; see ${log}" >&2
fi
exit "${status}"
