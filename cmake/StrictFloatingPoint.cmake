# Every double and float operation of the programs must be rounded on its own,
# in the order the source writes it: the printed digits depend on it.
#
# numex_strict_fp carries the options as a usage requirement of each target,
# so they come after CMAKE_CXX_FLAGS on the command line and win over
# whatever a user adds there:
#   -ffp-contract=off   no fusing of a*b+c into one FMA (g++ and clang++ both
#                       fuse by default when the target has FMA, e.g. -march=native);
#   -fno-fast-math      no reassociation, reciprocals or finite-only assumptions;
#   -msse2 -mfpmath=sse on 32-bit x86
#                       no x87 extended precision (x86-64 uses SSE already).
add_library(numex_strict_fp INTERFACE)
target_compile_options(numex_strict_fp INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang,AppleClang>:-ffp-contract=off -fno-fast-math>)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i[3-6]86|x86|X86|x86_64|AMD64|amd64)$" AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_compile_options(numex_strict_fp INTERFACE -msse2 -mfpmath=sse)
endif()

# -ffast-math and its relatives also change what is linked (crtfastmath.o sets
# flush-to-zero at start-up), which no later compile option can undo: refuse them.
string(TOUPPER "${CMAKE_BUILD_TYPE}" _numex_config)
set(_numex_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${_numex_config}} ${CMAKE_EXE_LINKER_FLAGS}")
if(_numex_flags MATCHES "(^| )(-Ofast|-ffast-math|-funsafe-math-optimizations|-ffinite-math-only|-fassociative-math|-freciprocal-math|-ffp-model=fast)( |$)")
  message(FATAL_ERROR "The flags '${CMAKE_MATCH_2}' break the IEEE arithmetic that the programs' "
                      "results depend on; remove them from CMAKE_CXX_FLAGS.")
endif()
