# libFuzzer targets for the storage formats. Configure with clang and -DTESSARO_FUZZ=ON; each target
# links only the sources it exercises, so the fuzz build needs no graphics or sound.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

set(FUZZ_OPTIONS -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

set(FUZZ_TSC_SOURCES
    src/storage/TSCChars.cpp src/storage/TSCNumber.cpp src/storage/TTSCToken.cpp
    src/storage/TTSCLexer.cpp src/storage/TTSCParser.cpp src/storage/TTSCFile.cpp
    src/platform/Files.cpp)
set(FUZZ_XML_SOURCES src/storage/TXMLNode.cpp src/platform/Files.cpp)

function(tessaro_add_fuzzer name)
    list(TRANSFORM ARGN PREPEND "${CMAKE_SOURCE_DIR}/")
    add_executable(${name} ${ARGN})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE ${FUZZ_OPTIONS})
    target_link_options(${name} PRIVATE ${FUZZ_OPTIONS})
endfunction()

tessaro_add_fuzzer(fuzz_tsc tests/fuzz/fuzz_tsc.cpp ${FUZZ_TSC_SOURCES})
tessaro_add_fuzzer(fuzz_xml tests/fuzz/fuzz_xml.cpp ${FUZZ_XML_SOURCES})
