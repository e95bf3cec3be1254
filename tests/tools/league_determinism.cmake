# The league generator twice on the same installation inputs, each run in a
# folder of its own: the two databases must be the same bytes.
#
#   cmake -DPROGRAM=<korva_league> -DDATA=<installation> -DWORK=<folder> -P league_determinism.cmake
foreach(run first second)
    set(folder ${WORK}/${run})
    file(REMOVE_RECURSE ${folder})
    file(MAKE_DIRECTORY ${folder})
    foreach(input Cities.txt League names Input playbooks)
        file(CREATE_LINK ${DATA}/${input} ${folder}/${input} SYMBOLIC)
    endforeach()
    execute_process(COMMAND ${PROGRAM} ${folder} --years-before 1 --through 2019 --quiet RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the ${run} run of the league generator failed: ${result}")
    endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/first/Databases/Universe-2019.dat
                        ${WORK}/second/Databases/Universe-2019.dat RESULT_VARIABLE same)
if(NOT same EQUAL 0)
    message(FATAL_ERROR "two runs of the league generator wrote different databases")
endif()
file(REMOVE_RECURSE ${WORK})
