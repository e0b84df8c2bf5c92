# Script run by the install.exports test: the shared library's dynamic
# symbol table holds the public API only, no internals and no standard
# library instantiations.
execute_process(COMMAND nm -DC --defined-only ${LIBRARY}
    RESULT_VARIABLE rc OUTPUT_VARIABLE symbols ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "nm failed: ${err}")
endif()
string(REGEX MATCHALL "[^\n]*(std::|tessel_detail|anonymous namespace|tessel_platform)[^\n]*" leaks "${symbols}")
if(leaks)
    string(REPLACE ";" "\n" leaks "${leaks}")
    message(FATAL_ERROR "internal symbols exported:\n${leaks}")
endif()
if(NOT symbols MATCHES "CString::CString")
    message(FATAL_ERROR "the public API is missing from the export list:\n${symbols}")
endif()
