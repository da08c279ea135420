# Runs `pondrel-engine-demo steps` on a few lines and compares its output
# with the exact format scripts read; with --explain (when the demo is built
# with the game library, -DEXPLAINS=1) each step line is followed by its
# reason, indented by two spaces. Called by ctest with -DDEMO=<path>.

set(input "# a comment, then a blank line\n\n")
string(APPEND input "12345678\n")
# A solved grid with its first two cells empty.
string(APPEND input "..3456789456789123789123456214365897365897214897214365531642978642978531978531642\n")
# A position whose easiest step removes candidates only.
string(APPEND input "001000008000900200000003000000015046060000700300000000000247985720600000900000600\n")
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/demosteps-input.txt" "${input}")

execute_process(COMMAND "${DEMO}" steps
    INPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/demosteps-input.txt"
    OUTPUT_VARIABLE output
    RESULT_VARIABLE status)

set(expected "invalid\n\nFull House | r1c1=1 | \nFull House | r1c2=2 | \nsolved\n\n")
string(APPEND expected "Claiming |  | r5c1-2 r5c3-2 r6c3-2\n")
string(LENGTH "${expected}" prefixLength)
string(SUBSTRING "${output}" 0 ${prefixLength} prefix)
if(NOT status EQUAL 0 OR NOT prefix STREQUAL expected OR NOT output MATCHES "\nsolved\n\n$")
    message(FATAL_ERROR "status ${status}, output:\n${output}")
endif()

if(EXPLAINS)
    execute_process(COMMAND "${DEMO}" steps --explain
        INPUT_FILE "${CMAKE_CURRENT_BINARY_DIR}/demosteps-input.txt"
        OUTPUT_VARIABLE explained
        RESULT_VARIABLE status)
    # Without the reasons it is the plain output.
    string(REGEX REPLACE "\n  [^\n]*" "" stripped "${explained}")
    if(NOT status EQUAL 0 OR NOT stripped STREQUAL output OR NOT explained MATCHES
       "^invalid\n\nFull House \\| r1c1=1 \\| \n  Full House: 1 is the only digit missing from column 1\n")
        message(FATAL_ERROR "status ${status}, output with --explain:\n${explained}")
    endif()
endif()
