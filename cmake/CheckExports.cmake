# cmake -DOBJDUMP=<objdump> -DLIBRARY=<dll> -P CheckExports.cmake
# Fails the build unless the DLL exports exactly one name, main_entry, undecorated.
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY}
    OUTPUT_VARIABLE table RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${LIBRARY} failed")
endif()
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table[^\n]*\n([^\n]+\n)*" names "${table}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" entries "${names}")
set(exports)
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${entry}")
    list(APPEND exports "${name}")
endforeach()
if(NOT exports STREQUAL "main_entry")
    message(FATAL_ERROR "${LIBRARY} exports \"${exports}\", not main_entry alone")
endif()
