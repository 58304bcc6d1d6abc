# Fails unless every test of the build in BUILD is in exactly one lane: the only labels are the
# lanes unit, window, process and story, and the lanes' sizes add up to the number of tests (a
# test in no lane would never run in a lane's run, one in two would run twice). Programs not built
# yet are left out: their tests are known once they are.
function(count_tests result)
    execute_process(COMMAND ${CMAKE_CTEST_COMMAND} -N ${ARGN} WORKING_DIRECTORY ${BUILD}
        OUTPUT_VARIABLE listing RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT listing MATCHES "Total Tests: ([0-9]+)")
        message(FATAL_ERROR "ctest could not list the tests: ${listing}")
    endif()
    set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

set(lanes unit window process story)
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --print-labels WORKING_DIRECTORY ${BUILD}
    OUTPUT_VARIABLE labels)
string(REGEX REPLACE ".*All Labels:" "" labels "${labels}")
string(REGEX MATCHALL "[^ \n]+" labels "${labels}")
list(REMOVE_ITEM labels ${lanes})
if(labels)
    message(FATAL_ERROR "Labels that are no lane: ${labels}")
endif()
count_tests(total)
# A test program not built yet stands in the list as one unlabelled test of that name.
count_tests(unbuilt -R "_NOT_BUILT$")
math(EXPR total "${total} - ${unbuilt}")
set(inLanes 0)
foreach(lane ${lanes})
    count_tests(size -L "^${lane}$")
    math(EXPR inLanes "${inLanes} + ${size}")
    string(APPEND sizes " ${lane} ${size}")
endforeach()
if(NOT inLanes EQUAL total)
    message(FATAL_ERROR "${total} tests, but the lanes hold ${inLanes}:${sizes}")
endif()
message(STATUS "${total} tests, each in one lane:${sizes}")
