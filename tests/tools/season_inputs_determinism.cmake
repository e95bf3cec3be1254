# The season inputs generator twice on the same installation inputs, each run
# in a folder of its own over a short history (founded in 1948, its seasons
# 1951-1953 written): every statistics file and the
# shared lines must be the same bytes.
#
#   cmake -DPROGRAM=<korva_season_inputs> -DDATA=<installation> -DWORK=<folder> -P season_inputs_determinism.cmake
foreach(run first second)
    set(folder ${WORK}/${run})
    file(REMOVE_RECURSE ${folder})
    file(MAKE_DIRECTORY ${folder}/Input)
    foreach(input Cities.txt League names playbooks)
        file(CREATE_LINK ${DATA}/${input} ${folder}/${input} SYMBOLIC)
    endforeach()
    foreach(input DraftTalent.txt DraftStrategy.txt)
        file(CREATE_LINK ${DATA}/Input/${input} ${folder}/Input/${input} SYMBOLIC)
    endforeach()
    execute_process(COMMAND ${PROGRAM} history ${folder} ${folder}/lines.txt --founding 1948 --through 1953 --quiet
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the ${run} run of the season inputs generator failed: ${result}")
    endif()
endforeach()
file(GLOB_RECURSE written RELATIVE ${WORK}/first/Input ${WORK}/first/Input/Stats/*)
list(LENGTH written count)
if(count LESS 9)
    message(FATAL_ERROR "the generator wrote ${count} files, fewer than three for each season 1951-1953")
endif()
foreach(name ${written} ../lines.txt)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/first/Input/${name}
                            ${WORK}/second/Input/${name} RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        message(FATAL_ERROR "two runs of the season inputs generator wrote different ${name}")
    endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
