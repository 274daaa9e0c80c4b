# Flags every target of ours gets; third-party code (GoogleTest) is built without them.
function(quorvel_target target)
    target_compile_features(${target} PUBLIC cxx_std_17)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    if(WIN32)
        # No link time in the PE headers, so the same sources always link to the same bytes.
        target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
    endif()
    if(QUORVEL_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                 -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
    if(QUORVEL_FUZZ)
        # Libraries too, so that the fuzzers see coverage and findings inside them.
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                                                 -fno-sanitize-recover=all)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# A GoogleTest program registered with CTest as one test; under the Windows toolchain CTest runs
# it through the Wine wrapper.
function(quorvel_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    quorvel_target(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_PROPERTIES)
        set_tests_properties(${name} PROPERTIES ${ARG_PROPERTIES})
    endif()
endfunction()
