# Shared build helpers: warnings, sanitizers, test, fuzzer and benchmark registration, the drawn icon.

set(TABULET_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Woverloaded-virtual -Wnull-dereference)
if(TABULET_WERROR)
    list(APPEND TABULET_WARNINGS -Werror)
endif()
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:${TABULET_WARNINGS}>")

if(TABULET_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# tabulet_library(<module> SOURCES ... LIBS ...)
# One static library per module folder, named tabulet_<module>, with src/ as include root.
function(tabulet_library module)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(tabulet_${module} STATIC ${ARG_SOURCES})
    target_include_directories(tabulet_${module} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(tabulet_${module} PUBLIC ${ARG_LIBS})
    # The fuzzers get coverage only from code built with libFuzzer's instrumentation.
    if(TABULET_FUZZ)
        target_compile_options(tabulet_${module} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    endif()
endfunction()

# tabulet_test(<name> SOURCES ... LIBS ... [UI])
# One GoogleTest executable; every TEST becomes a CTest test. UI tests get a main() that creates
# a QApplication (offscreen unless a display is given).
function(tabulet_test name)
    cmake_parse_arguments(ARG "UI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_UI)
        target_link_libraries(${name} PRIVATE tabulet_uitest_main Qt6::Widgets Qt6::Test)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock Qt6::Core)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
    target_compile_definitions(${name} PRIVATE TABULET_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        TABULET_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name}
        NO_PRETTY_VALUES
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;DBUS_SESSION_BUS_ADDRESS=disabled:")
endfunction()

# tabulet_fuzzer(<name> SOURCES ... LIBS ... CORPUS <dir>)
# A libFuzzer target; CTest runs it briefly over a copy of its corpus.
function(tabulet_fuzzer name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DCORPUS=${ARG_CORPUS} -DWORK=${work}
                -DSECONDS=$ENV{TABULET_FUZZ_SECONDS} -P ${PROJECT_SOURCE_DIR}/cmake/RunFuzzer.cmake)
endfunction()

# tabulet_benchmark(<name> SOURCES ... LIBS ...)
function(tabulet_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# tabulet_draw_icon(<png> <size>)
# The program's icon drawn from the scalable one into <png>, size × size pixels, at build time.
function(tabulet_draw_icon png size)
    find_program(RSVG_CONVERT rsvg-convert REQUIRED)
    set(source ${PROJECT_SOURCE_DIR}/resources/desktop/org.tabulet.Tabulet.svg)
    get_filename_component(folder ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${source}
        DEPENDS ${source}
        VERBATIM)
endfunction()
