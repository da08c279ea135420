# Sanitizer builds. The compiler flags themselves come from the "asan" and
# "tsan" presets (CMAKE_CXX_FLAGS, so that every library, test and fuzz
# target is instrumented alike); PONDREL_SANITIZER only tells the build which
# one is on, so it can leave out what such a build has no use for.
#
#   address  ASan + UBSan + libFuzzer coverage: the whole test suite and the
#            fuzz targets from one set of objects.
#   thread   TSan: only the threaded layers, the engine (the generator's
#            stop flag) and the puzzle supply (the generation pool and its
#            refills), with their tests; Qt's widgets and QML never start a
#            thread of ours.

set(PONDREL_SANITIZER "" CACHE STRING "Sanitizer this build is instrumented with: address, thread or empty")
set_property(CACHE PONDREL_SANITIZER PROPERTY STRINGS "" address thread)

if(PONDREL_SANITIZER STREQUAL "")
    return()
endif()
if(NOT PONDREL_SANITIZER MATCHES "^(address|thread)$")
    message(FATAL_ERROR "PONDREL_SANITIZER must be address, thread or empty, not \"${PONDREL_SANITIZER}\"")
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The sanitizer builds need clang (use the \"asan\" or \"tsan\" preset).")
endif()
# Benchmarks under a sanitizer measure the sanitizer.
set(PONDREL_BUILD_BENCH OFF CACHE BOOL "" FORCE)

# What the sanitizer test presets leave out, by label:
#   install       packaging and installing the build tree tests the build
#                 rules, not the code; the normal build covers it.
#   no_sanitizer  for any later test that cannot run instrumented.
# The "tsan" preset also skips CountingSolver.agreesWithThePlainSearchOnPublic-
# Puzzles: single-threaded, thousands of puzzles, minutes under TSan, and
# nothing for TSan to look at (the "asan" preset runs it).
# The "asan" preset skips KillSafety.*: it kills a writer process at random
# moments and needs enough completed iterations between kills, which the
# instrumented writer's slower start does not reach in time; a killed
# process never gets to the leak check either. The storage-fault tests
# beside it do run.
# ASAN_OPTIONS has allocator_may_return_null=1 because Qt's readers of
# untrusted files (QSettings' QDataStream values) may ask for absurd sizes
# and cope with the null that glibc returns; ASan would abort instead.
# The "asan" test preset runs two tests at a time and leaves the end-to-end
# tests (label e2e) to "asan-e2e", which runs them one at a time: they wait
# for windows with timeouts, and the instrumented program is slower.
