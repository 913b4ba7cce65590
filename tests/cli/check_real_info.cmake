#Runs `pixmora - cli info-- json FONT` and compares the format, scan and polarity it reports with
#the "// expect:" line of the font's .fnt (a .hex reads as its .fnt twin). A font marked
#"supported=no" must come out unrecognised.
#cmake - DCLI = < pixmora - cli> - DFONT = < file> - P check_real_info.cmake
cmake_minimum_required(VERSION 3.25)

    string(REGEX REPLACE
           "\\.[^.]*$"
           ".fnt" twin
           "${FONT}") file(STRINGS
                           "${twin}" expect_lines REGEX
                           "// expect:") list(LENGTH expect_lines found) if (NOT found EQUAL 1)
        message(FATAL_ERROR "${twin}: no single \"// expect:\" line") endif() foreach (
            field W H scan polarity supported) if (expect_lines MATCHES
                                                   "[ \t]${field}=([^ \t]+)") set(expect_$ {
            field
        } "${CMAKE_MATCH_1}") endif() endforeach()

            execute_process(COMMAND "${CLI}" info
                                    "${FONT}" --json OUTPUT_VARIABLE json ERROR_VARIABLE errors
                                        RESULT_VARIABLE status) if (NOT status EQUAL 0)
                message(FATAL_ERROR
                        "exit status ${status}: ${errors}") endif() string(JSON recognised GET
                                                                           "${json}" recognised)

                    if (expect_supported STREQUAL "no") if (recognised) message(
                        FATAL_ERROR
                        "a cell no format fits was recognised:\n${json}") endif() return ()
                        endif() if (NOT recognised) message(FATAL_ERROR "not recognised:\n${json}")
                            endif() string(JSON width GET "${json}" width) string(JSON height GET
                                                                                  "${json}" height)
                                string(JSON scan GET "${json}" scan) string(JSON negative GET
                                                                            "${json}" negative)
                                    set(polarity positive) if (negative) set(polarity negative)
                                        endif() set(got
                                                    "${width} x ${height} scan ${scan} ${polarity}")
                                            set(want
                                                "${expect_W} x ${expect_H} scan ${expect_scan} "
                                                "${expect_polarity}") if (NOT got STREQUAL want)
                                                message(FATAL_ERROR
                                                        "read as ${got}, the source says ${want}")
                                                    endif() message(STATUS "${got}")
