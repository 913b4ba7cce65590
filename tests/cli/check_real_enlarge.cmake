# Enlarges a real 6 x 8 font to 12 x 16 with `pixmora-cli convert --enlarge` and checks that the
# result holds 224 characters of 24 bytes, is recognised again as a 12 x 16 font of the same scan
# and polarity, and renders as a sheet of 12 x 16 cells.
#   cmake -DCLI=<pixmora-cli> -DFONT=<file> -DWORK=<scratch directory> -P check_real_enlarge.cmake
cmake_minimum_required(VERSION 3.25)

file(MAKE_DIRECTORY "${WORK}")
set(enlarged "${WORK}/enlarged.hex")
file(REMOVE "${enlarged}")

function(info_of file prefix)
    execute_process(COMMAND "${CLI}" info "${file}" --json
        OUTPUT_VARIABLE json ERROR_VARIABLE errors RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "info ${file}: exit status ${status}: ${errors}")
    endif()
    foreach(field recognised width height scan negative bytes_read)
        string(JSON value GET "${json}" ${field})
        set(${prefix}_${field} "${value}" PARENT_SCOPE)
    endforeach()
endfunction()

info_of("${FONT}" before)
if(NOT before_recognised OR NOT before_width EQUAL 6 OR NOT before_height EQUAL 8)
    message(FATAL_ERROR "${FONT} does not read as a 6 x 8 font")
endif()

execute_process(COMMAND "${CLI}" convert "${FONT}" "${enlarged}" --enlarge "12 x 16"
    ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "convert --enlarge: exit status ${status}: ${errors}")
endif()

info_of("${enlarged}" after)
if(NOT after_bytes_read EQUAL 5376)
    message(FATAL_ERROR "the enlarged font holds ${after_bytes_read} bytes, not 5376")
endif()
set(got "${after_recognised} ${after_width} x ${after_height} scan ${after_scan} ${after_negative}")
set(want "ON 12 x 16 scan ${before_scan} ${before_negative}")
if(NOT got STREQUAL want)
    message(FATAL_ERROR "the enlarged font reads as ${got} (recognised, format, scan, negative), "
                        "not ${want}")
endif()

set(sheet "${WORK}/enlarged.png")
set(given --format "12 x 16" --scan ${before_scan})
if(before_negative)
    list(APPEND given --negative)
endif()
execute_process(COMMAND "${CLI}" render "${enlarged}" "${sheet}" ${given} --scale 1
    ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "render: exit status ${status}: ${errors}")
endif()
# The PNG header's width and height: 16 cells of 12 dots and 15 gaps, 14 cells of 16 and 13 gaps.
file(READ "${sheet}" size HEX OFFSET 16 LIMIT 8)
if(NOT size STREQUAL "000000cf000000ed")
    message(FATAL_ERROR "the sheet's width and height are 0x${size}, not 207 x 237")
endif()
message(STATUS "${got}, 5376 bytes, a sheet of 207 x 237 pixels")
