# The POSIX thread-model compilers: GoogleTest needs std::mutex and friends.
set(CMAKE_C_COMPILER ${QUORVEL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVEL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVEL_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# One self-contained file per program: no libgcc, libstdc++ or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Test programs run through Wine, as a user's Windows would run them.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
