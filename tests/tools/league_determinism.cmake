# The league generator twice on the same installation inputs, each run in a
# folder of its own: the two databases, the team records of the seasons
# played and the passes of their players who are no quarterbacks must be
# the same bytes.
#
#   cmake -DPROGRAM=<korva_league> -DDATA=<installation> -DWORK=<folder> -P league_determinism.cmake
foreach(run first second)
    set(folder ${WORK}/${run})
    file(REMOVE_RECURSE ${folder})
    file(MAKE_DIRECTORY ${folder}/League)
    foreach(input Cities.txt names Input playbooks)
        file(CREATE_LINK ${DATA}/${input} ${folder}/${input} SYMBOLIC)
    endforeach()
    # The league's own folder: the generator writes into it, the franchise
    # tables are the installation's.
    file(GLOB tables RELATIVE ${DATA}/League ${DATA}/League/*.csv)
    foreach(table ${tables})
        file(CREATE_LINK ${DATA}/League/${table} ${folder}/League/${table} SYMBOLIC)
    endforeach()
    execute_process(COMMAND ${PROGRAM} ${folder} --years-before 1 --through 2019 --quiet RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the ${run} run of the league generator failed: ${result}")
    endif()
endforeach()
foreach(name Databases/Universe-2019.dat League/Played-Team-Records.txt League/Played-Non-Passer-Passing.txt)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/first/${name} ${WORK}/second/${name}
                    RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        message(FATAL_ERROR "two runs of the league generator wrote different ${name}")
    endif()
endforeach()
file(STRINGS ${WORK}/first/League/Played-Team-Records.txt kept)
list(LENGTH kept count)
if(count LESS 32)
    message(FATAL_ERROR "the league kept ${count} team records of the season it played, not one a franchise")
endif()
file(REMOVE_RECURSE ${WORK})
